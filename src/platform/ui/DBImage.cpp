#include "platform/ui/DBImage.h"

#include "platform/data/DatabaseFiles.h"

#include <QFileInfo>
#include <QImageReader>

namespace ui {

QPixmap loadPicture(const QString& path)
{
    const QString p = path.trimmed();
    // The database's own files are no pictures, and reading one would drop
    // the connection's locks on it.
    if (p.isEmpty() || !QFileInfo(p).isFile() || data::isOpenDatabaseFile(p))
        return QPixmap();
    QImageReader reader(p);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

DBImage::DBImage(QWidget* parent) : DBImage(nullptr, QString(), parent) {}

DBImage::DBImage(data::DataSource* source, const QString& fieldName, QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    m_link.onRefresh = [this] { showField(); };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBImage::~DBImage()
{
    m_link.onRefresh = nullptr;
}

void DBImage::setStretch(bool on)
{
    m_stretch = on;
    applyPicture();
}

void DBImage::showFile(const QString& path)
{
    m_picture = loadPicture(path);
    applyPicture();
}

void DBImage::showField()
{
    data::Field* f = m_link.field();
    showFile(f ? f->asString() : QString());
}

void DBImage::applyPicture()
{
    if (m_picture.isNull()) {
        clear();
        return;
    }
    if (m_stretch && !size().isEmpty())
        setPixmap(m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        setPixmap(m_picture);
}

void DBImage::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    if (m_stretch)
        applyPicture();
}

}  // namespace ui
