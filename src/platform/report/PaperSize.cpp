#include "platform/report/PaperSize.h"

namespace report {

QPageSize pageSizeOf(const Document& doc)
{
    return QPageSize(doc.pageSize, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
}

QSizeF paperInches(const QPageSize& size)
{
    return size.size(QPageSize::Inch);
}

}  // namespace report
