// Opening windows: one per class, the variable set before the creation
// handler, freed on close, and freeing all children without asking them.

#include "platform/data/Error.h"
#include "platform/ui/MdiFrame.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/OpenChildForm.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

class TfrmRegion;
class TfrmRegionPlus;
class TfrmSearch;
class TfrmBroken;
TfrmRegion* frmRegion = nullptr;
TfrmRegionPlus* frmRegionPlus = nullptr;
TfrmSearch* frmSearch = nullptr;
TfrmBroken* frmBroken = nullptr;

int created = 0;
int closeHandlers = 0;
int destroyHandlers = 0;
bool variableSetInCreate = false;

class TfrmRegion : public ui::Form {
public:
    explicit TfrmRegion(QWidget* parent = nullptr) : Form(parent)
    {
        setMdiChild(true);
        setWindowTitle(QStringLiteral(" 小区信息"));
    }
    bool refuseClose = false;
    int activations = 0;
    QString request;           // handed in by an opener
    QString requestInCreate;   // what the creation handler found

protected:
    void formActivate() override { ++activations; }
    void formCreate() override
    {
        ++created;
        variableSetInCreate = frmRegion == this;
        requestInCreate = request;
        setFormSize(525, 418);
    }
    void formClose(ui::CloseAction& action) override
    {
        ++closeHandlers;
        if (refuseClose)
            action = ui::CloseAction::None;
    }
    void formDestroy() override { ++destroyHandlers; }
};

// Derived from the district window: a class of its own for window opening.
class TfrmRegionPlus : public TfrmRegion {
public:
    using TfrmRegion::TfrmRegion;
};

// A dialog opened from a child window.
class TfrmSearch : public ui::Form {
public:
    using Form::Form;
};

class TfrmBroken : public ui::Form {
public:
    using Form::Form;

protected:
    void formCreate() override { throw data::Error(QStringLiteral("打不开")); }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestOpenChildForm : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::MdiFrame> frame;

private slots:
    void init()
    {
        frame = std::make_unique<ui::MdiFrame>();
        ui::setMdiHost(frame->mdiArea());
        frame->resize(900, 700);
        QVERIFY(uitest::showActive(frame.get()));
        created = closeHandlers = destroyHandlers = 0;
        variableSetInCreate = false;
    }

    void cleanup()
    {
        ui::freeAllMdiChildren();
        flushDeletes();
        frame.reset();
        flushDeletes();
        ui::resetTermination();
        uitest::resetMessages();
    }

    void theVariableRefersToTheWindowBeforeItsCreationHandlerRuns()
    {
        TfrmRegion* f = ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(f, frmRegion);
        QVERIFY(variableSetInCreate);
        QVERIFY(f->mdiSubWindow());
        QCOMPARE(f->mdiSubWindow()->mdiArea(), frame->mdiArea());
        QVERIFY(f->mdiSubWindow()->isVisible());
        QCOMPARE(f->mdiSubWindow()->size(), QSize(525, 418));
        QCOMPARE(frame->mdiArea()->activeSubWindow(), f->mdiSubWindow());
    }

    void aSecondOpeningBringsTheSameWindowForward()
    {
        TfrmRegion* first = ui::openChildForm(frmRegion, frame.get());
        first->mdiSubWindow()->showMinimized();
        QVERIFY(first->mdiSubWindow()->isMinimized());
        TfrmRegion* again = ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(again, first);
        QCOMPARE(created, 1);
        QVERIFY(!first->mdiSubWindow()->isMinimized());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(frame->mdiArea()->activeSubWindow(), first->mdiSubWindow());
    }

    void anOpenerPreparesANewWindowBeforeItsCreationHandlerOnly()
    {
        int prepared = 0;
        const auto prepare = [&](TfrmRegion& f) {
            ++prepared;
            f.request = QStringLiteral("R0%1").arg(prepared);
        };
        TfrmRegion* f = ui::openChildForm(frmRegion, frame.get(), prepare);
        QCOMPARE(f->requestInCreate, QStringLiteral("R01"));
        QVERIFY(f->mdiSubWindow());
        // Brought forward: neither prepared nor created again.
        QCOMPARE(ui::openChildForm(frmRegion, frame.get(), prepare), f);
        QCOMPARE(prepared, 1);
        QCOMPARE(f->request, QStringLiteral("R01"));

        // A preparation that fails leaves no window, as a failing creation handler does.
        f->close();
        flushDeletes();
        QVERIFY_THROWS_EXCEPTION(data::Error, ui::openChildForm(frmRegion, frame.get(), [](TfrmRegion&) {
            throw data::Error(QStringLiteral("打不开"));
        }));
        QCOMPARE(frmRegion, nullptr);
        QCOMPARE(created, 1);
        flushDeletes();
        QVERIFY(ui::liveForms().isEmpty());
    }

    void aDerivedClassIsAWindowOfItsOwn()
    {
        ui::openChildForm(frmRegionPlus, frame.get());
        QVERIFY(frmRegionPlus);
        TfrmRegion* base = ui::openChildForm(frmRegion, frame.get());
        QVERIFY(base != frmRegionPlus);
        QCOMPARE(created, 2);
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 2);
        // And opening the derived class again finds the derived window only.
        ui::openChildForm(frmRegionPlus, frame.get());
        QCOMPARE(created, 2);
    }

    void activationIsToldOnlyWhenAnotherChildWasActive()
    {
        QMdiArea* area = frame->mdiArea();
        TfrmRegion* a = ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(a->activations, 0);  // the creation handler did the set-up
        TfrmRegionPlus* b = ui::openChildForm(frmRegionPlus, frame.get());
        QCOMPARE(b->activations, 0);
        // Brought forward through its opener, and clicked (set active).
        ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(a->activations, 1);
        area->setActiveSubWindow(b->mdiSubWindow());
        area->setActiveSubWindow(a->mdiSubWindow());
        QCOMPARE(a->activations, 2);
        QCOMPARE(b->activations, 1);
        // Already the active child: opening it again is no activation.
        ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(a->activations, 2);
        // The frame losing the activation (a message box) and getting it back.
        emit area->subWindowActivated(nullptr);
        emit area->subWindowActivated(a->mdiSubWindow());
        QCOMPARE(a->activations, 2);
        // Closing the active child activates the one left.
        a->close();
        flushDeletes();
        QCOMPARE(area->activeSubWindow(), b->mdiSubWindow());
        QCOMPARE(b->activations, 2);
    }

    void closingFreesTheWindowAndClearsTheVariable()
    {
        ui::openChildForm(frmRegion, frame.get());
        QPointer<TfrmRegion> f = frmRegion;
        f->refuseClose = true;
        f->mdiSubWindow()->close();
        QVERIFY(f && frmRegion == f && f->mdiSubWindow()->isVisible());

        f->refuseClose = false;
        f->close();  // as a Close button of the window does
        QCOMPARE(frmRegion, nullptr);
        QCOMPARE(closeHandlers, 2);
        QCOMPARE(destroyHandlers, 1);
        flushDeletes();
        QVERIFY(f.isNull());
        QVERIFY(frame->mdiArea()->subWindowList().isEmpty());

        // The next opening makes a new window.
        ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(created, 2);
    }

    void freeingAllChildrenSkipsTheirCloseHandlers()
    {
        ui::openChildForm(frmRegion, frame.get());
        ui::openChildForm(frmRegionPlus, frame.get());
        ui::openChildForm(frmSearch, frmRegion);  // a dialog owned by the child
        QPointer<TfrmSearch> dialog = frmSearch;
        QCOMPARE(dialog->parentWidget(), static_cast<QWidget*>(frmRegion));
        QVERIFY(dialog->isWindow());

        ui::freeAllMdiChildren(frame->mdiArea());
        QCOMPARE(frmRegion, nullptr);
        QCOMPARE(frmRegionPlus, nullptr);
        QCOMPARE(frmSearch, nullptr);
        QCOMPARE(closeHandlers, 0);
        QCOMPARE(destroyHandlers, 2);
        // Opened again at once, a new window is made (not the one being freed).
        ui::openChildForm(frmRegion, frame.get());
        QCOMPARE(created, 3);
        flushDeletes();
        QVERIFY(dialog.isNull());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
    }

    void aDialogOwnedByAChildIsFreedWithIt()
    {
        ui::openChildForm(frmRegion, frame.get());
        ui::openChildForm(frmSearch, frmRegion);
        QVERIFY(!frmSearch->isVisible());  // dialogs show themselves
        frmSearch->show();
        frmSearch->hide();
        // Reopening finds the hidden dialog and shows it.
        TfrmSearch* again = ui::openChildForm(frmSearch, frmRegion);
        QVERIFY(again->isVisible());
        frmRegion->close();
        flushDeletes();
        QCOMPARE(frmSearch, nullptr);
    }

    void aFailingCreationHandlerLeavesNoWindowBehind()
    {
        bool threw = false;
        try {
            ui::openChildForm(frmBroken, frame.get());
        } catch (const data::Error& e) {
            threw = e.message() == QStringLiteral("打不开");
        }
        QVERIFY(threw);
        QCOMPARE(frmBroken, nullptr);
        flushDeletes();
        QVERIFY(ui::liveForms().isEmpty());
    }

    void windowActionsArrangeTheChildren()
    {
        ui::openChildForm(frmRegion, frame.get());
        ui::openChildForm(frmRegionPlus, frame.get());
        const QRect area = frame->mdiArea()->viewport()->rect();
        frame->tileHorizontally();
        QCOMPARE(frmRegionPlus->mdiSubWindow()->geometry(),
                 QRect(0, area.height() / 2, area.width(), area.height() / 2));
        frame->tileVertically();
        QCOMPARE(frmRegionPlus->mdiSubWindow()->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
        frame->minimizeAllAction()->trigger();
        QVERIFY(frmRegion->mdiSubWindow()->isMinimized() && frmRegionPlus->mdiSubWindow()->isMinimized());
    }
};

WYGL_TEST(TestOpenChildForm)
#include "tst_OpenChildForm.moc"
