// Start-up speed on an office-sized database (50 districts, 1,000 buildings,
// 40,000 rooms and owners, 100,000 household members) whose busiest
// registers (complaints, patrols, goods received and issued, documents
// received) hold 100,000 rows each.
//
// What a clerk pays is timed as the clerk pays it: the program started in a
// process of its own, in a folder holding its conn.udl, from the launch to
// the login window drawn (the splash, the frame, the data module connecting
// and opening its tables, the login window). The first start after the
// database was made is the figure; the floor is a bare Qt window drawn in a
// fresh process the same way. The data module's part (connecting and opening
// its tables, on a fresh connection) is printed beside it.
// Goal: start-up to the login window < 1.5 s.
//
//   bench_startup [rows in each busy register]

#include "app/Startup.h"
#include "session/DMRegion.h"
#include "support/BenchDb.h"
#include "support/BenchReport.h"
#include "Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

const char kShown[] = "login window drawn";
constexpr int kStarts = 3;

// In the started process: once the window is drawn, says so and ends the
// process there, as nothing after it is timed.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const char* windowClass) : m_class(windowClass) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!m_seen && e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget*>(o)->window()->inherits(m_class)) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("%s\n", kShown);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    const char* m_class;
    bool m_seen = false;
};

void watchForLogin()
{
    registerAllWindows();
    qApp->installEventFilter(new FirstPaint("TfrmLogin"));
}

// The floor: a fresh process that draws one bare window.
int bareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.installEventFilter(new FirstPaint("QWidget"));
    QWidget w;
    w.resize(320, 200);
    w.show();
    return app.exec();
}

// Starts this program with `mode` in `folder`; the milliseconds from the
// launch to the window drawn, or -1 when it was not drawn within a minute.
double timedStart(const char* mode, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
    QByteArray out;
    while (!out.contains(kShown) && t.elapsed() < 60000 && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(1000);
        out += p.readAllStandardOutput();
    }
    const double ms = out.contains(kShown) ? bench::ms(t) : -1;
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished();
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--program")
        return app::runProgram(argc, argv, watchForLogin);
    if (mode == "--bare")
        return bareWindow(argc, argv);

    QApplication app(argc, argv);
    {
        auto c = bench::newDatabase();
        bench::fill(*c, bench::Size());
        bench::fillBusyRegisters(*c, argc > 1 ? atoi(argv[1]) : 100000);
        bench::analyze(*c);
    }
    // The program's folder: its conn.udl names the benchmark's database.
    const QString folder = QDir::temp().filePath(bench::runName(QStringLiteral("wygl-bench-startup")));
    QDir().mkpath(folder);
    const QString udl = QDir(folder).filePath(QStringLiteral("conn.udl"));
    QFile f(udl);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(data::connectionFileText(bench::target()).toUtf8());
    f.close();
    std::printf("backend: %s\n", bench::backendName(bench::target().backend));

    std::vector<double> starts, bare;
    for (int i = 0; i < kStarts; ++i) {
        starts.push_back(timedStart("--program", folder));
        bare.push_back(timedStart("--bare", folder));
    }
    std::printf("start-up to the login window, %d starts:", kStarts);
    for (double s : starts)
        std::printf(" %.0f ms", s);
    std::printf("\nbare window in a fresh process:");
    for (double s : bare)
        std::printf(" %.0f ms", s);
    std::printf("\n");

    QElapsedTimer t;
    t.start();
    int rooms = 0, complaints = 0;
    double open = 0;
    {
        TDM dm;
        dm.connectAndOpen(udl);
        open = bench::ms(t);
        rooms = dm.AT_Room->recordCount();
        complaints = dm.AT_Appeal->recordCount();
    }
    QDir(folder).removeRecursively();

    const QString size = QStringLiteral("%1 rows in each busy register").arg(bench::count(complaints));
    if (bench::check(QStringLiteral("start-up reached the login window"), starts.front() > 0))
        bench::report(QStringLiteral("start-up to the login window, first"), size, starts.front(), bare.front(),
                      bench::Goal::under(1500));
    bench::report(QStringLiteral("start-up: data module connects and opens its tables"), size, open,
                  bench::Goal::none());
    std::printf("rooms %d, complaints %d\n", rooms, complaints);
    return bench::exitStatus();
}
