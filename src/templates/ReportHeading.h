#pragma once
// The heading of every printout: the company name of IncInfo.

#include <QString>

// IncName of the current row of the data module's AT_IncI, as stored in the
// database (a name typed and not yet saved does not print). Empty when the
// table holds no row or the name is null, so a printout always goes ahead.
QString ReportHeading();
