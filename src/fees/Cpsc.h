#pragma once
// The dialog "成批删除": removes one fee item from every room of the building
// the room fee-item window hands over. The item is chosen by clicking it; the
// removal is confirmed first, and itemRemoved() lets the opener show its list
// again.

#include "fees/RoomItems.h"
#include "platform/ui/Form.h"

#include <optional>

class QLabel;
class QPushButton;
namespace ui {
class DBGrid;
}

class TfrmCpsc : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmCpsc(QWidget* parent = nullptr);

    ui::DBGrid* DBG_Type = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BB_ok = nullptr;
    QPushButton* BB_Cancel = nullptr;

    // The district and building handed over by the room fee-item window.
    void setBuilding(const QString& regionId, const QString& buildId, const QString& buildName);

    void DBG_TypeCellClick();
    void BB_okClick();
    void BB_CancelClick();

signals:
    void itemRemoved();

protected:
    void formCreate() override;

private:
    QString m_regionId;
    QString m_buildId;
    QString m_buildName;
    std::optional<fees::ItemKey> m_item;
};

extern TfrmCpsc* frmCpsc;
