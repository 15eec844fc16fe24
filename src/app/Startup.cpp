#include "app/Startup.h"

#include "platform/data/Connection.h"
#include "platform/data/Error.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <iostream>

namespace app {

int runProgram(int argc, char** argv)
{
    QApplication a(argc, argv);
    QApplication::setApplicationName(QStringLiteral("物业管理"));
    try {
        auto conn = data::Connection::openFile(QDir::current().filePath(QStringLiteral("conn.udl")));
        (void)conn;
    } catch (const data::Error& e) {
        std::cerr << e.message().toStdString() << std::endl;
        QMessageBox::warning(nullptr, QStringLiteral("物业管理"), QStringLiteral("数据库连接失败，重新配置！"));
        return 1;
    }
    return 0;
}

}  // namespace app
