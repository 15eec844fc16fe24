#pragma once
// The small dialogs the fee reports are asked for in: pick a district and a
// building (or "全部"), a period and a variant, press "打印"; the dialog
// gathers the figures, then its report system shows the set-up, draws the
// pages and sends them to the preview or the printer. The dialog stays open
// for the next report; closing frees it.
//
// The four dialogs differ in size and in which pickers they show; each states
// its differences in a ReportDialogDef (the table in ReportDialog.cpp). The
// lists of districts, buildings and items are the dialog's own, read afresh
// when it opens, and the buildings follow the chosen district.

#include "fees/FeeReportPages.h"
#include "fees/ReportScope.h"
#include "platform/ui/Form.h"

#include <QSize>
#include <QStringList>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace data {
class DataSource;
class Table;
}
namespace report {
class PageWriter;
class ReportSystem;
}
namespace ui { class DBLookupComboBox; }

namespace fees {

struct ReportDialogDef {
    const char* objectName;
    QString caption;         // the kinds' captions are set by the kind
    QSize size;              // outer size on creation
    bool districtPickers;    // district and building with their "全部" boxes
    bool itemPicker;         // the fee item
    int monthPickers;        // 0, 1 or 2 ("统计日期": first and last month)
    QStringList variants;    // RB_1 and RB_2, first ticked
    bool todayLabel;         // "统计时间：" and today's date
    bool priceAndMonths;     // the unit price and the month count
    QString cancelCaption;
};

// The rows of the table, by the dialog's unit name ("BBYSK", "SFTJ", "WRZ", "KZF").
const ReportDialogDef& reportDialogDef(const QString& unit);

class ReportDialog : public ui::Form {
    Q_OBJECT
public:
    ReportDialog(const ReportDialogDef& def, QWidget* parent);
    ~ReportDialog() override;

    data::Table* AT_Reg = nullptr;
    data::DataSource* DS_Reg = nullptr;
    data::Table* AT_Bud = nullptr;
    data::DataSource* DS_Bud = nullptr;
    data::Table* AT_FeeType = nullptr;
    data::DataSource* DS_FeeType = nullptr;
    ui::DBLookupComboBox* DBLC_Reg = nullptr;
    ui::DBLookupComboBox* DBLC_Build = nullptr;
    ui::DBLookupComboBox* DBLC_Fee = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QRadioButton* RB_1 = nullptr;
    QRadioButton* RB_2 = nullptr;
    QDateEdit* DTP_Date = nullptr;
    QDateEdit* DTP_Date1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* E_1 = nullptr;
    QLineEdit* E_2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    report::ReportSystem* RvSystem = nullptr;

    void DBLC_RegCloseUp();
    void DBLC_BuildCloseUp();
    void DBLC_FeeCloseUp();
    void CheckBox1Click();
    void CheckBox2Click();
    // "打印": the dialog's checks, its figures, then the report system.
    void BitBtn1Click();
    void BitBtn2Click();

    // What was chosen, as the dialog remembers it (trimmed; empty until chosen).
    const QString& regionKey() const { return m_regionKey; }
    const QString& regionName() const { return m_regionName; }
    const QString& buildKey() const { return m_buildKey; }
    const QString& buildName() const { return m_buildName; }
    const QString& feeKey() const { return m_feeKey; }
    const QString& feeName() const { return m_feeName; }

protected:
    void formCreate() override;
    void formClose(ui::CloseAction& action) override;
    void keyPressEvent(QKeyEvent* e) override;

    // Checks the choices and gathers the figures; false when nothing is to
    // be printed.
    virtual bool gather() = 0;
    virtual void RvSystemPrint(report::PageWriter& w) = 0;

    bool allBuildings() const;
    // The district, and the chosen building unless a "全部" box is ticked.
    ReportScope scope() const;
    bool districtShown() const;
    bool buildingShown() const;
    // The month of a picker as "yyyyMM".
    static QString period(const QDateEdit* picker);
    // The heading of the pages: the company and today.
    static PageHead pageHead();

private:
    void buildLayout(const ReportDialogDef& def);
    void reopen(data::Table* table, data::DataSource* source);

    QSize m_size;
    QString m_regionKey, m_regionName, m_buildKey, m_buildName, m_feeKey, m_feeName;
};

}  // namespace fees
