#include "fees/RoomPicker.h"

#include "fees/ChargeLookups.h"
#include "fees/FeeGrids.h"
#include "fees/FeeRows.h"
#include "fees/Period.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/Handler.h"
#include "reference/SharedLists.h"
#include "session/DMRegion.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace fees {

namespace {

QString keyText(const QVariant& key)
{
    return key.isNull() ? QString() : data::variantToText(key);
}

QString fieldText(const data::DataSet& ds, const char* name)
{
    return ds.fieldByName(QString::fromLatin1(name))->asString();
}

}  // namespace

RoomPicker::RoomPicker(QWidget* form, const RoomPickerOptions& options) : QObject(form), m_options(options)
{
    DBLC_Reg = newLookup(form, QStringLiteral("DBLC_Reg"), DM->DS_Regs, QStringLiteral("RegionId"),
                         QStringLiteral("RegionName"));
    ui::connectHandler(DBLC_Reg, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_RegCloseUp(); });

    DBLC_Build = newLookup(form, QStringLiteral("DBLC_Build"), DM->DS_Bud, QStringLiteral("BuildId"),
                           QStringLiteral("BuildName"));
    DBLC_Build->setEnabled(!options.buildingAfterDistrict);
    ui::connectHandler(DBLC_Build, &ui::DBLookupComboBox::keyChosen, this, [this] { DBLC_BuildCloseUp(); });

    DTP_Date = new QDateEdit(QDate::currentDate(), form);
    DTP_Date->setObjectName(QStringLiteral("DTP_Date"));
    DTP_Date->setDisplayFormat(QStringLiteral("yyyy-MM"));
    DTP_Date->setCalendarPopup(true);
    ui::connectHandler(DTP_Date, &QDateEdit::dateChanged, this, [this] { DTP_DateChange(); });

    m_choices = new QHBoxLayout;
    m_choices->addWidget(new QLabel(QStringLiteral("选择小区："), form));
    m_choices->addWidget(DBLC_Reg, 1);
    m_choices->addWidget(new QLabel(QStringLiteral("选择楼宇："), form));
    m_choices->addWidget(DBLC_Build, 1);
    m_choices->addWidget(new QLabel(QStringLiteral("费用日期："), form));
    m_choices->addWidget(DTP_Date);

    DBG_JBxx = readOnlyGrid(DM->DS_SFee1, "DBG_JBxx",
                            {{QStringLiteral("UnitName"), QStringLiteral("单元"), 36},
                             {QStringLiteral("RoomNum"), QStringLiteral("房号"), 46},
                             {QStringLiteral("Users"), QStringLiteral("客户名称"), 64},
                             {QStringLiteral("JZm"), QStringLiteral("面积"), 48},
                             {QStringLiteral("UserId"), QString(), 0, false}},
                            form);
    DBG_JBxx->setFixedWidth(216);

    E_D = new QLineEdit(form);
    E_D->setObjectName(QStringLiteral("E_D"));
    E_D->setFixedWidth(70);
    SpeedButton1 = new ui::SpeedButton(QStringLiteral("查找房号"), form);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton2 = new ui::SpeedButton(options.leaveCaption, form);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    if (!options.leaveHint.isEmpty())
        SpeedButton2->setToolTip(options.leaveHint);

    auto* finder = new QHBoxLayout;
    finder->addWidget(E_D, 1);
    finder->addWidget(SpeedButton1);
    finder->addWidget(SpeedButton2);
    m_rooms = new QVBoxLayout;
    m_rooms->addWidget(DBG_JBxx, 1);
    m_rooms->addLayout(finder);
}

bool RoomPicker::roomsListed() const
{
    return DM->DS_SFee1->enabled() && DM->AQ_SFee1->isActive();
}

void RoomPicker::open()
{
    lists::reopenDistricts();
    // The shared room list may still hold another window's building: none
    // is listed until this window's district and building are chosen.
    loadRooms();
    clearFeeRows();
}

void RoomPicker::DBLC_RegCloseUp()
{
    const QString key = keyText(DBLC_Reg->keyValue());
    if (key.isEmpty())
        return;
    m_regionKey = key;
    lists::loadBuildings(m_regionKey);
    DBLC_Build->setEnabled(true);
    // The building chosen before belongs to the district chosen before: it
    // goes, with its rooms and their rows.
    m_buildKey.clear();
    DBLC_Build->setKeyValue(QVariant());
    loadRooms();
    clearFeeRows();
}

void RoomPicker::DBLC_BuildCloseUp()
{
    emit buildingChosen();
    m_buildKey = keyText(DBLC_Build->keyValue());
    loadRooms();
    clearFeeRows();
}

void RoomPicker::DTP_DateChange()
{
    // The room chosen keeps its place: found again in the list read anew,
    // it shows its rows of the new month.
    const std::optional<RoomKey> room = m_room;
    loadRooms();
    clearFeeRows();
    if (room && roomsListed() && moveToRoom(*room))
        SelectValue();
}

bool RoomPicker::moveToRoom(const RoomKey& room)
{
    data::Query* rooms = DM->AQ_SFee1;
    for (rooms->first(); !rooms->eof(); rooms->next())
        if (fieldText(*rooms, "UnitName") == room.unitName && fieldText(*rooms, "RoomNum") == room.roomNum
            && fieldText(*rooms, "UserId") == room.ownerId && fieldText(*rooms, "Users") == room.ownerName)
            return true;
    return false;
}

void RoomPicker::loadRooms()
{
    emit roomsClosing();
    DM->DS_SFee1->setEnabled(false);
    if (m_regionKey.isEmpty() || m_buildKey.isEmpty())
        return;
    lists::loadOccupiedRooms(DM->AQ_SFee1, DM->DS_SFee1, m_regionKey, m_buildKey, DBLC_Build->text());
    emit roomsOpened();
}

void RoomPicker::clearFeeRows()
{
    DM->DS_SFeeM->setEnabled(false);
    DM->AQ_SFeeM->close();
    m_room.reset();
}

void RoomPicker::SelectValue()
{
    const QDate month = DTP_Date->date();
    m_period = Period{month.year(), month.month()}.text();
    const data::Query* rooms = DM->AQ_SFee1;
    if (m_regionKey.isEmpty() || m_buildKey.isEmpty() || !roomsListed() || rooms->isEmpty()) {
        clearFeeRows();
        return;
    }
    const RoomKey room{m_regionKey,
                       m_buildKey,
                       fieldText(*rooms, "UnitName"),
                       fieldText(*rooms, "RoomNum"),
                       fieldText(*rooms, "UserId"),
                       fieldText(*rooms, "Users")};
    fees::openRoomMonth(room, m_period);
    m_room = room;
    m_roomComplete = true;
    for (const char* part : {"UnitName", "RoomNum", "UserId", "Users"})
        m_roomComplete = m_roomComplete && !rooms->fieldByName(QString::fromLatin1(part))->isNull();
}

bool RoomPicker::findRoom()
{
    const QString wanted = E_D->text();
    data::Query* rooms = DM->AQ_SFee1;
    if (wanted.isEmpty() || !roomsListed())
        return false;
    if (!rooms->locate(QStringLiteral("RoomNum"), wanted))
        return false;
    SelectValue();
    DBG_JBxx->setFocus();
    return true;
}

}  // namespace fees
