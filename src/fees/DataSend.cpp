#include "fees/DataSend.h"

#include "fees/AnnualReport.h"
#include "platform/data/DataSource.h"
#include "platform/data/Error.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ControlLabel.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Handler.h"
#include "templates/ReportHeading.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

TfrmDataSend* frmDataSend = nullptr;

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

RecordEditorConfig dataSendConfig()
{
    RecordEditorConfig c;
    c.caption = QStringLiteral("企业上报");
    c.key = QStringLiteral("Dsend");
    c.dataSet = QStringLiteral("AT_DataSend");
    c.dataSource = QStringLiteral("DS_DataSend");
    c.table = QStringLiteral("NZBB");
    c.gridColumns = {{QStringLiteral("QYmc"), QStringLiteral("企业名称"), 132}};
    c.pages = {QStringLiteral("基本信息"), QStringLiteral("续表(一)"), QStringLiteral("续表(二)"),
               QStringLiteral("续表(三)")};
    c.size = QSize(640, 470);
    c.switchCaption = QStringLiteral(" 进入编辑状态");
    c.printButton = RecordEditorConfig::PrintButton::Enabled;
    c.gridTriggers = RecordEditorConfig::GridEnter | RecordEditorConfig::GridClick;
    c.modifyWithSwitch = true;
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    return c;
}

QLabel* label(const QString& text, QWidget* parent, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QDate dateOf(const QVariant& v)
{
    const QDate d = v.toDateTime().date();
    return d.isValid() ? d : QDate::currentDate();
}

}  // namespace

TfrmDataSend::TfrmDataSend(QWidget* parent) : RecordEditor(dataSendConfig(), parent)
{
    setObjectName(QStringLiteral("frmDataSend"));
    buildParticulars();
    for (int page = 1; page <= 3; ++page)
        buildSections(page);
    buildSignatures();

    connect(dataSource(), &data::DataSource::dataChanged, this, [this](data::Field* f) {
        // A null field: another record (or none) is current now.
        if (!f)
            showRecordDates();
    });

    RvSystem = new report::ReportSystem(this);
    RvSystem->setObjectName(QStringLiteral("RvSystem"));
    RvSystem->SetTitle(QStringLiteral("物业年终报表"));
    connect(RvSystem, &report::ReportSystem::OnPrint, this, &TfrmDataSend::RvSystemPrint);
}

// --- building the pages ------------------------------------------------------------

void TfrmDataSend::buildParticulars()
{
    for (const fees::AnnualParticular& p : fees::annualParticulars()) {
        const QString column = QString::fromLatin1(p.column);
        const QString caption = QString::fromUtf8(p.windowLabel);
        if (column == QLatin1String(fees::kFoundedColumn)) {
            DTP_CL = addDatePicker(0, caption, "DTP_CL", p.column);
            continue;
        }
        ui::DBEdit* e = addEdit(0, caption, column);
        if (p.limit > 0)
            e->setMaxLength(p.limit);
    }
    addNote(0, QStringLiteral("110：国有企业  150：有限责任公司  160：股份有限公司"));
    addNote(0, QStringLiteral("170：私营企业                200：港、澳、台投资企业  "));
    addNote(0, QStringLiteral("300：外商投资企业  900：其它企业"));
}

// The sections of one page as a table: name, code, then the figure (two in
// section 一) with its unit.
void TfrmDataSend::buildSections(int pageIndex)
{
    auto* table = new QWidget;
    auto* g = new QGridLayout(table);
    g->setContentsMargins(0, 0, 0, 0);
    g->setColumnStretch(0, 1);
    int row = 0;
    const auto figure = [&](const char* column, int limit, const QString& unit, int col) {
        auto* e = new ui::DBEdit(dataSource(), QString::fromLatin1(column), table);
        e->setObjectName(QStringLiteral("DBE_") + QString::fromLatin1(column));
        if (limit > 0)
            e->setMaxLength(limit);
        e->setEnabled(false);
        e->setMaximumWidth(110);
        registerEdit(e);
        g->addWidget(e, row, col);
        g->addWidget(label(unit, table), row, col + 1);
        return e;
    };
    const QString areaHeading = QStringLiteral("房屋建筑面积");
    for (const fees::AnnualSection& s : fees::annualSections()) {
        if (s.page != pageIndex)
            continue;
        g->addWidget(label(QString::fromUtf8(s.title), table, true), row++, 0, 1, 6);
        const bool pairs = s.valueTitle == nullptr;
        if (pairs)
            g->addWidget(label(QStringLiteral("注意：          101=102+104+105+106+107"), table), row++, 0, 1, 6);
        g->addWidget(label(QStringLiteral("指标名称"), table), row, 0);
        g->addWidget(label(QStringLiteral("代码"), table), row, 1);
        g->addWidget(label(pairs ? QStringLiteral("项目个数") : QStringLiteral("数值"), table), row, 2);
        if (pairs)
            g->addWidget(label(areaHeading, table), row, 4);
        ++row;
        for (const fees::AnnualItem& item : s.items) {
            auto* name = label(QString::fromUtf8(item.windowLabel), table);
            name->setIndent(item.isPart() ? 16 : 0);
            g->addWidget(name, row, 0);
            g->addWidget(label(QString::fromLatin1(item.code), table), row, 1);
            // A figure is named by its row, an area by its row and heading.
            name->setBuddy(figure(item.column, item.limit, QString::fromUtf8(s.unit), 2));
            if (item.areaColumn)
                figure(item.areaColumn, item.areaLimit, QString::fromUtf8(fees::kAreaUnit), 4)->link().caption =
                    [named = ui::captionText(name->text()), areaHeading] { return named + u'的' + areaHeading; };
            ++row;
        }
    }
    addWide(pageIndex, table);
}

void TfrmDataSend::buildSignatures()
{
    for (const fees::AnnualParticular& p : fees::annualSignatures()) {
        const QString caption = QString::fromUtf8(p.windowLabel);
        if (QLatin1String(p.column) == QLatin1String(fees::kFilledColumn)) {
            DTP_BS = addDatePicker(3, caption, "DTP_BS", p.column);
            continue;
        }
        addEdit(3, caption, QString::fromLatin1(p.column))->setMaxLength(p.limit);
    }
}

QDateEdit* TfrmDataSend::addDatePicker(int pageIndex, const QString& caption, const char* name, const char* column)
{
    auto* picker = new QDateEdit(QDate::currentDate());
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(kDateFormat);
    picker->setCalendarPopup(true);
    addControl(pageIndex, caption, picker);
    ui::connectHandler(picker, &QDateEdit::dateChanged, this, [this, picker, column] { pickerChanged(picker, column); });
    return picker;
}

// --- the dates -----------------------------------------------------------------------

void TfrmDataSend::showRecordDates()
{
    const fees::AnnualValues values = fees::currentReport(*dataSet());
    m_showingDates = true;
    DTP_CL->setDate(dateOf(values(QString::fromLatin1(fees::kFoundedColumn))));
    DTP_BS->setDate(dateOf(values(QString::fromLatin1(fees::kFilledColumn))));
    m_showingDates = false;
}

// A date the user chose is a change of the record, as typing is: it is
// stored with the record, or dropped with it on Cancel.
void TfrmDataSend::pickerChanged(QDateEdit* picker, const char* column)
{
    if (m_showingDates || !picker->isEnabled() || !dataSet()->isActive())
        return;
    if (!dataSet()->isEditing())
        dataSet()->edit();
    dataSet()->fieldByName(QString::fromLatin1(column))->setAsDateTime(QDateTime(picker->date(), QTime(0, 0)));
}

void TfrmDataSend::beforeSave()
{
    dataSet()->fieldByName(QString::fromLatin1(fees::kFoundedColumn))
        ->setAsDateTime(QDateTime(DTP_CL->date(), QTime(0, 0)));
    dataSet()->fieldByName(QString::fromLatin1(fees::kFilledColumn))
        ->setAsDateTime(QDateTime(DTP_BS->date(), QTime(0, 0)));
}

// --- tool buttons --------------------------------------------------------------------

void TfrmDataSend::TB_ModiClick()
{
    RecordEditor::TB_ModiClick();
    TB_Save->setEnabled(true);
}

void TfrmDataSend::TB_SaveClick()
{
    try {
        // Save stores the pickers' dates even when nothing was typed.
        if (!dataSet()->isEditing())
            dataSet()->edit();
        dataSet()->post();
    } catch (const data::Abort&) {
        return;
    }
    setEditsEnabled(false);
    TB_Add->setEnabled(true);
}

void TfrmDataSend::TB_PrintClick()
{
    RvSystem->Execute();
}

void TfrmDataSend::RvSystemPrint(report::PageWriter& w)
{
    fees::drawAnnualReport(w, fees::currentReport(*dataSet()), ReportHeading());
}
