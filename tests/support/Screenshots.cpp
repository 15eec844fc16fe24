#include "support/Screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace testsupport {

QString screenshotDir()
{
    const QString dir = qEnvironmentVariable("WYGL_SCREENSHOT_DIR",
                                             QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    QDir().mkpath(dir);
    return QDir(dir).absolutePath();
}

QString saveScreenshot(QWidget* w, const QString& name)
{
    const QString path = QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    return w->grab().save(path) ? path : QString();
}

}  // namespace testsupport
