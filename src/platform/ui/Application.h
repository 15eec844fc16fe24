#pragma once
// The program's application object. Every event and every slot Qt runs goes
// through notify(); an exception that escapes a handler is caught there, shown
// in the default error box, and the program goes on with the next event.

#include <QApplication>

namespace ui {

class Application : public QApplication {
    Q_OBJECT
public:
    // Also installs the substitutions for the Chinese font names, the
    // toolkit's Chinese translation and the program's icon (Appearance.h),
    // has the local time zone read once instead of at every conversion, and
    // keeps file dialogs from reading the files they list (FileDialogGuard.h).
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui
