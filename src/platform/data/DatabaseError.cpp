#include "platform/data/DatabaseError.h"

#include <iostream>

namespace data {

namespace {

const QString kBusy = QStringLiteral("另一台电脑正在使用这些数据，请稍后再试。");
const QString kStructure = QStringLiteral("数据库的结构与本系统不符（缺少数据表或字段）。");
const QString kConstraint = QStringLiteral("数据与数据库的约束不符（例如与已有记录重复），未能保存。");
const QString kCharacters = QStringLiteral("数据中含有数据库不能保存的字符。");

// The first line of a server message, without its "ERROR:" label.
QString firstLine(const QString& text)
{
    QString line = text.section(u'\n', 0, 0).trimmed();
    const qsizetype colon = line.indexOf(u':');
    if (colon > 0 && colon < 10)
        line = line.mid(colon + 1).trimmed();
    return line;
}

QString serverCause(const QString& state, const QString& text)
{
    if (state == u"P0001")  // raised by a rule of the database
        return firstLine(text);
    if (state == u"22001")
        return QStringLiteral("文字超出了字段的长度，未能保存。");
    if (state == u"22003")
        return QStringLiteral("数值超出了字段能存放的范围，未能保存。");
    if (state == u"22007" || state == u"22008")
        return QStringLiteral("日期或时间不正确。");
    if (state == u"22021" || state == u"22P05")
        return kCharacters;
    if (state == u"40001" || state == u"40P01")
        return QStringLiteral("与另一工作站同时操作发生冲突，未能完成，请重试。");
    if (state == u"55P03")
        return kBusy;
    if (state == u"57014")
        return QStringLiteral("数据库操作超时，已被取消。");
    if (state == u"42P01" || state == u"42703")
        return kStructure;
    const QString cls = state.left(2);
    if (cls == u"08")
        return QStringLiteral("与数据库服务器的连接中断，请检查网络和服务器。");
    if (cls == u"23")
        return kConstraint;
    if (cls == u"22")
        return QStringLiteral("数据不正确，未能保存。");
    if (cls == u"53")
        return QStringLiteral("数据库服务器的磁盘或内存不足。");
    if (cls == u"28")
        return QStringLiteral("数据库的用户名或密码不正确。");
    if (cls == u"3D")
        return QStringLiteral("找不到数据库。");
    if (cls == u"25")
        return QStringLiteral("数据库事务已中止，操作未能完成。");
    return QString();
}

QString embeddedCause(int code, const QString& text)
{
    if (code == 1811)  // RAISE in a trigger of the database
        return text.trimmed();
    switch (code & 0xff) {
    case 5:  // busy
    case 6:  // locked
        return kBusy;
    case 8:
        return QStringLiteral("数据库文件只能读，不能写入。");
    case 10:
        return QStringLiteral("读写数据库文件时出错。");
    case 11:
    case 26:
        return QStringLiteral("数据库文件已损坏，或不是本系统的数据库。");
    case 13:
        return QStringLiteral("磁盘已满，数据未能保存。");
    case 14:
        return QStringLiteral("无法打开数据库文件。");
    case 18:
        return QStringLiteral("数据太大，未能保存。");
    case 19:
        return kConstraint;
    case 1:
        if (text.startsWith(QStringLiteral("no such table")) || text.startsWith(QStringLiteral("no such column"))
            || text.contains(QStringLiteral("has no column")))
            return kStructure;
        return QString();
    }
    return QString();
}

}  // namespace

QString databaseErrorCause(Backend backend, const QString& code, const QString& databaseText)
{
    QString cause;
    if (backend == Backend::PostgreSQL) {
        cause = serverCause(code.trimmed().toUpper(), databaseText);
    } else {
        bool ok = false;
        const int n = code.trimmed().toInt(&ok);
        if (ok)
            cause = embeddedCause(n, databaseText);
    }
    return cause.isEmpty() ? QStringLiteral("数据库操作失败。") : cause;
}

void logDatabaseError(const QString& code, const QString& where, const QString& statement)
{
    QString line = QStringLiteral("wygl: database error");
    if (!code.isEmpty())
        line += u' ' + code;
    if (!where.isEmpty())
        line += QStringLiteral(" in ") + where;
    if (!statement.isEmpty())
        line += QStringLiteral(": ") + QString(statement).replace(u'\n', u' ');
    std::cerr << line.toStdString() << std::endl;
}

}  // namespace data
