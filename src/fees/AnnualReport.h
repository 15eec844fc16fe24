#pragma once
// The company's annual statistical report "物业年终报表": one record of table
// NZBB printed as a one-page form. Nothing on it is computed; every figure is
// printed as it was typed, a missing one as "--".
//
// The figures, their codes, labels and limits are one table that the report
// window builds its pages from and the form prints from, so a figure can never
// be edited under one label and printed under another code.

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace data {
class DataSet;
}
namespace report {
class PageWriter;
}

namespace fees {

// A company particular: edited with its window label, printed at (x, y) as
// its printed label followed by the value.
struct AnnualParticular {
    const char* column;
    const char* windowLabel;
    const char* printLabel;
    int limit;  // characters the edit accepts; 0 for the column's width
    double x, y;
};

// One line of a section: a figure (in section 一 two: the number of projects
// and their floor area).
struct AnnualItem {
    const char* code;
    const char* windowLabel;
    const char* printLabel;
    const char* column;
    int limit;
    const char* areaColumn = nullptr;
    int areaLimit = 0;

    // "其中：" lines are part of the line above and printed indented.
    bool isPart() const;
};

struct AnnualSection {
    const char* title;     // "一、管理物业项目情况"
    const char* printNote; // printed after the title on the form
    int page;              // the window's page of the section (1 to 3)
    const char* unit;      // shown beside each edit; printed on the first line
    double unitX;          // where the form prints the unit (0: not printed)
    const char* valueTitle;  // "数  量" or "金  额"; none in section 一
    double captionY, captionRule, headingY, headingRule, firstLineY;
    std::vector<AnnualItem> items;
};

// Floor areas, the second figure of each line of section 一.
inline constexpr const char* kAreaUnit = "万平方米";

// The window's first page, in its order.
const std::vector<AnnualParticular>& annualParticulars();
const std::vector<AnnualSection>& annualSections();
// The signatures at the foot of the last page and of the form.
const std::vector<AnnualParticular>& annualSignatures();

// The two dates of a report: founded, and filled in.
inline constexpr const char* kFoundedColumn = "CLDate";
inline constexpr const char* kFilledColumn = "BCDate";

// A column's value in the record being printed (null when there is none).
using AnnualValues = std::function<QVariant(const QString& column)>;
// The current record of a dataset over NZBB; every value null when it holds none.
AnnualValues currentReport(const data::DataSet& reports);

// Draws the form on the writer's page under the company name `heading`.
void drawAnnualReport(report::PageWriter& w, const AnnualValues& values, const QString& heading);

}  // namespace fees
