#pragma once
// The printed vouchers of the store, "入库单" and "出库单": the company name,
// the title, the voucher number with its date and time, then a frame of
// column heads over one row of values and the remark, with the signature
// line below the frame. The two differ only by the form below: title, the
// rules between the columns, heads and where each value goes.
//
// Every value is fitted into its box (a word cut, a number printed smaller),
// so a long name never runs into the next column or off the page. A value
// that is null prints "--"; so does every value when there is no voucher.

#include <QString>
#include <vector>

namespace data {
class DataSet;
}
namespace report {
class PageWriter;
}

namespace stores {

struct VoucherForm {
    struct Text {
        QString text;
        double x;
    };
    // A column's value at x, fitted into the box that ends at `right`.
    struct Cell {
        QString field;
        double x;
        double right;
    };

    QString title;          // "入库单"
    QString numberCaption;  // "入库单号："
    double fullRule;        // the rule from the frame's top to its bottom
    std::vector<double> rules;  // rules from the frame's top down to the remark
    std::vector<Text> heads;    // the column heads
    QString remarkHead;     // "备   注", at the height of the remark
    double remarkHeadX;
    std::vector<Cell> cells;  // the values under the heads
    Cell remark;              // the remark (note) beside its head
    QString footerLeft;       // "            入库人：              "
};

const VoucherForm& receiptForm();
const VoucherForm& issueForm();

// Draws the voucher of the current row of `vouchers` (inputs or outputs) on
// the writer's page under the company name `heading`.
void drawVoucher(report::PageWriter& w, const VoucherForm& form, const data::DataSet& vouchers,
                 const QString& heading);

}  // namespace stores
