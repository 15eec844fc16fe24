#include "platform/ui/Application.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/FileDialogGuard.h"
#include "platform/ui/Fonts.h"

#include <QFileInfo>

namespace ui {

namespace {

// While TZ is unset, the C library looks at /etc/localtime again on every
// local-time conversion; reading a register of 100,000 dates then spends
// more time in those looks than in the reading. Naming that same file keeps
// the local time as it is and has the file read once.
void nameTheTimeZoneFile()
{
    const char* zoneFile = "/etc/localtime";
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QLatin1String(zoneFile)))
        qputenv("TZ", QByteArray(":") + zoneFile);
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    nameTheTimeZoneFile();
    installFontSubstitutions();
    installToolkitTranslation();
    setWindowIcon(programIcon());
    guardFileDialogs(*this);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

}  // namespace ui
