// Drop-down lists filled from a code table that its window is changing.

#include "CodeWindows.h"

#include "platform/ui/DBEdit.h"
#include "reference/CodeLists.h"
#include "reference/CodeTables.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>

using testsupport::AppFixture;
using testsupport::typeInto;

class TestCodeLists : public QObject {
    Q_OBJECT
private slots:
    void aListShowsTheStoredNames()
    {
        AppFixture app("1", [](data::Connection& c) {
            c.exec("INSERT INTO cultureType (cultureId, cultureName) VALUES (1, '小学'), (2, '中学')");
        });
        CodeTableEditor* w = codetest::openByKey("XL");
        w->CheckBox->click();
        w->TB_AddClick();
        typeInto(w->DBE_Name, "大学");
        w->TB_SaveClick();
        QComboBox combo;
        combo.addItem("中学");
        fillCodeList(&combo, DM->AT_culture, "cultureName");
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.itemText(2), QString("大学"));
        QCOMPARE(combo.currentText(), QString("中学"));

        // A row still being typed is not offered: a changed one under its
        // stored name, a new one not at all.
        w->TB_AddClick();
        typeInto(w->DBE_Name, "硕士");
        w->TB_FirstClick();  // stores it; the name input stays open
        typeInto(w->DBE_Name, "初小");
        QCOMPARE(DM->AT_culture->state(), data::DataSetState::Edit);
        QCOMPARE(codeNames(DM->AT_culture, "cultureName"), QStringList({"小学", "中学", "大学", "硕士"}));
        QCOMPARE(DM->AT_culture->recNo(), 1);
        w->TB_AddClick();
        typeInto(w->DBE_Name, "博士");
        QCOMPARE(codeNames(DM->AT_culture, "cultureName"), QStringList({"初小", "中学", "大学", "硕士"}));
    }
};

WYGL_TEST(TestCodeLists)
#include "tst_CodeLists.moc"
