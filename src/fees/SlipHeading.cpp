#include "fees/SlipHeading.h"

#include "platform/report/PageWriter.h"

namespace fees {

void drawSlipHeading(report::PageWriter& w, const QString& heading, const QString& title)
{
    const QString kai = QStringLiteral("楷体_GB2312");
    const double middle = w.PageWidth() / 2;
    w.SetSectionTop(0.25);
    w.SetFont(kai, 18);
    w.SetUnderline(true);
    w.SetYPos(0.55);
    w.PrintCenter(heading, middle);

    w.SetFont(kai, 20);
    w.NewLine();
    w.PrintCenter(title, middle);

    w.SetFont(QStringLiteral("宋体"), 14);
    w.NewLine();
    w.SetFont(QStringLiteral("宋体"), 11);
}

}  // namespace fees
