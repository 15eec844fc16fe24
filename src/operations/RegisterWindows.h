#pragma once
// The register windows of the office operations. Each is the register
// template configured by its row in RegisterWindows.cpp; the classes exist so
// that each window has its own name, by which the frame opens it and the data
// module finds its buttons. Each global refers to the open window of its
// class, or is null. A register with code of its own derives its class from
// RegisterEditor in its area's folder and keeps its row here.

#include "platform/ui/OpenChildForm.h"
#include "templates/RegisterEditor.h"

// The row of a window class; throws data::Error for a class that has none.
const RegisterConfig& registerConfig(const char* windowClass);
// Every row, in the table's order.
const QVector<RegisterConfig>& registerConfigs();

// A row's start: the register defaults and its names. No key column: a
// register without a duplicate test.
RegisterConfig registerRow(const char* windowClass, const char* caption, const char* moduleKey,
                           const char* dataSet, const char* dataSource, const char* table,
                           const char* keyField = nullptr);

// Find opens the search window that the global refers to, owned by the
// register.
template <typename SearchWindow>
void opensSearch(RegisterConfig& r, SearchWindow*& search)
{
    r.search = [&search](QWidget* owner) { ui::openChildForm(search, owner); };
}

class TfrmAppeal : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmAppeal(QWidget* parent = nullptr);
    ~TfrmAppeal() override;
};
extern TfrmAppeal* frmAppeal;

class TfrmEmployee : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmEmployee(QWidget* parent = nullptr);
    ~TfrmEmployee() override;
};
extern TfrmEmployee* frmEmployee;
