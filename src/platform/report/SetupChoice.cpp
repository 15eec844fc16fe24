#include "platform/report/SetupChoice.h"

#include <QRegularExpression>

namespace report {

SetupChoice SetupChoice::fromAnswer(const QString& answer)
{
    SetupChoice c;
    QString head = answer.trimmed();
    static const QRegularExpression copiesTail(QStringLiteral(",\\s*copies\\s*=\\s*(\\d+)\\s*$"));
    const QRegularExpressionMatch m = copiesTail.match(head);
    if (m.hasMatch()) {
        c.copies = qMax(1, m.captured(1).toInt());
        head.truncate(m.capturedStart());
    }
    const qsizetype colon = head.indexOf(QLatin1Char(':'));
    const QString kind = (colon < 0 ? head : head.left(colon)).trimmed().toLower();
    const QString rest = colon < 0 ? QString() : head.mid(colon + 1).trimmed();
    if (kind == QLatin1String("preview")) {
        c.destination = Preview;
    } else if (kind == QLatin1String("printer")) {
        c.destination = Printer;
        c.printerName = rest;
    } else if (kind == QLatin1String("pdf") && !rest.isEmpty()) {
        c.destination = PdfFile;
        c.pdfPath = rest;
    } else {
        c.destination = Cancel;
    }
    return c;
}

}  // namespace report
