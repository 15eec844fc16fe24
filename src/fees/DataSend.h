#pragma once
// The window "企业上报": the company's annual statistical reports (table
// NZBB), one record each, edited on four pages and printed as the one-page
// form "物业年终报表" (AnnualReport.h).
//
// A record window with neither key nor required fields; Delete goes through
// the record navigator's question. The two dates (founded, filled in) are
// chosen in date pickers that are not bound to the record: they show the
// current record's dates, today for a date not yet given, and follow the
// record whenever another one becomes current or a new one is added. Every
// store of the record writes them, so one report's dates never end up in
// another.

#include "templates/RecordEditor.h"

class QDateEdit;
namespace report {
class PageWriter;
class ReportSystem;
}

class TfrmDataSend : public RecordEditor {
    Q_OBJECT
public:
    explicit TfrmDataSend(QWidget* parent = nullptr);

    QDateEdit* DTP_CL = nullptr;  // founded (CLDate)
    QDateEdit* DTP_BS = nullptr;  // filled in (BCDate)
    report::ReportSystem* RvSystem = nullptr;

    void TB_ModiClick() override;
    void TB_SaveClick() override;
    void TB_PrintClick() override;

protected:
    bool validateRecord() override { return true; }
    void beforeSave() override;

private:
    void buildParticulars();
    void buildSections(int page);
    void buildSignatures();
    QDateEdit* addDatePicker(int page, const QString& label, const char* name, const char* column);
    void showRecordDates();
    void pickerChanged(QDateEdit* picker, const char* column);
    void RvSystemPrint(report::PageWriter& w);

    bool m_showingDates = false;
};

extern TfrmDataSend* frmDataSend;
