#include "platform/ui/Application.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/ErrorBox.h"
#include "platform/ui/Fonts.h"

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    installFontSubstitutions();
    installToolkitTranslation();
    setWindowIcon(programIcon());
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
