#include "support/TestMain.h"
#include "support/TestDb.h"
#include "platform/report/OutputSeam.h"

#include "platform/ui/Application.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"

#include <QApplication>
#include <memory>
#include <vector>

namespace testsupport {

namespace {
struct Entry {
    const char* name;
    std::function<QObject*()> make;
};
std::vector<Entry>& entries()
{
    static std::vector<Entry> e;
    return e;
}
}  // namespace

int registerTest(const char* name, std::function<QObject*()> make)
{
    entries().push_back({name, std::move(make)});
    return int(entries().size());
}

}  // namespace testsupport

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, so that exceptions escaping a
    // handler reach the error box as they do in the program. Message boxes
    // are recorded instead of shown, and terminating ends the runs but not
    // the test process.
    ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("物业管理"));
    ui::Msg::setScripted(true);
    ui::setTerminateHook([] {});
    // Printouts go to a preview that nobody has to close, unless a test puts
    // its own seam in force.
    report::OutputSeam quiet;
    quiet.setup = [](const report::SetupChoice&) { return report::SetupChoice::fromAnswer(QStringLiteral("preview")); };
    quiet.preview = [](const report::Document&) { return false; };
    quiet.printer = [](const report::Document&, const report::SetupChoice&) { return true; };
    quiet.warning = [](const QString& text) { ui::Msg::warning(text); };
    report::ScopedOutputSeam quietPrinting(quiet);
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith(u'-')) {
        bool isClass = false;
        for (const auto& e : testsupport::entries())
            isClass = isClass || args[1] == QLatin1String(e.name);
        if (isClass) {
            only = args[1];
            args.removeAt(1);
        }
    }
    qInfo("Database backend: %s", qPrintable(testsupport::backendName()));
    int failed = 0;
    for (const auto& e : testsupport::entries()) {
        if (!only.isEmpty() && only != QLatin1String(e.name))
            continue;
        std::unique_ptr<QObject> t(e.make());
        failed += QTest::qExec(t.get(), args);
    }
    testsupport::dropServerDatabase();
    return failed == 0 ? 0 : 1;
}
