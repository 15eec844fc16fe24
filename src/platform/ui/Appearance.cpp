#include "platform/ui/Appearance.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTranslator>
#include <iostream>

namespace ui {

bool installToolkitTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // "qt" gathers the translations of every toolkit module installed.
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qt_zh_CN", "qtbase_zh_CN"}) {
        if (translator->load(QString::fromLatin1(name), dir)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    std::cerr << "wygl: the toolkit's Chinese translation is not installed in " << dir.toStdString()
              << "; standard dialogs stay in English" << std::endl;
    return false;
}

namespace {

QPixmap house(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // The roof.
    QPainterPath roof;
    roof.moveTo(16, 2);
    roof.lineTo(31, 15);
    roof.lineTo(1, 15);
    roof.closeSubpath();
    p.fillPath(roof, QColor(0xb0, 0x30, 0x20));
    // The walls, with a door and two windows.
    p.fillRect(QRectF(5, 15, 22, 15), QColor(0xf2, 0xe6, 0xc8));
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 1.2));
    p.drawRect(QRectF(5, 15, 22, 15));
    p.fillRect(QRectF(13.5, 21, 5, 9), QColor(0x60, 0x40, 0x20));
    p.fillRect(QRectF(7.5, 18, 4, 4), QColor(0x40, 0x80, 0xc0));
    p.fillRect(QRectF(20.5, 18, 4, 4), QColor(0x40, 0x80, 0xc0));
    return pm;
}

}  // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(house(size));
    return icon;
}

}  // namespace ui
