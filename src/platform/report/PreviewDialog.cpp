#include "platform/report/PreviewDialog.h"

#include "platform/report/ImageOutput.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace report {

PreviewDialog::PreviewDialog(const Document& doc, bool canPrint, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral(" 打印预览"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* bar = new QHBoxLayout;
    m_first = new QPushButton(QStringLiteral("首页"), this);
    m_prior = new QPushButton(QStringLiteral("上一页"), this);
    m_next = new QPushButton(QStringLiteral("下一页"), this);
    m_last = new QPushButton(QStringLiteral("末页"), this);
    m_pageLabel = new QLabel(this);
    m_zoomBox = new QComboBox(this);
    for (int percent : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoomBox->setCurrentIndex(2);
    auto* print = new QPushButton(QStringLiteral("打印"), this);
    print->setObjectName(QStringLiteral("print"));
    print->setEnabled(canPrint);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    for (QPushButton* b : {m_first, m_prior, m_next, m_last, print, close}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_first, m_prior, m_next, m_last, m_pageLabel, m_zoomBox})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);

    m_view = new QLabel(this);
    m_view->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_prior, &QPushButton::clicked, this, [this] { showPage(m_index - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_index + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(m_doc.pageCount() - 1); });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this](int) { setZoom(m_zoomBox->currentData().toDouble()); });
    connect(print, &QPushButton::clicked, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    resize(960, 1000);
    refresh();
}

void PreviewDialog::showPage(int index)
{
    const int clamped = qBound(0, index, qMax(0, m_doc.pageCount() - 1));
    if (clamped == m_index)
        return;
    m_index = clamped;
    refresh();
}

void PreviewDialog::setZoom(double zoom)
{
    if (zoom <= 0 || zoom == m_zoom)
        return;
    m_zoom = zoom;
    const int at = m_zoomBox->findData(zoom);
    if (at >= 0) {
        const QSignalBlocker quiet(m_zoomBox);
        m_zoomBox->setCurrentIndex(at);
    }
    refresh();
}

QString PreviewDialog::pageText() const
{
    return QStringLiteral("第 %1 页，共 %2 页").arg(m_doc.pageCount() ? m_index + 1 : 0).arg(m_doc.pageCount());
}

void PreviewDialog::refresh()
{
    const int count = m_doc.pageCount();
    m_pageLabel->setText(pageText());
    m_first->setEnabled(m_index > 0);
    m_prior->setEnabled(m_index > 0);
    m_next->setEnabled(m_index + 1 < count);
    m_last->setEnabled(m_index + 1 < count);
    const double dpi = logicalDpiY() * m_zoom;
    m_view->setPixmap(QPixmap::fromImage(renderPageImage(m_doc, m_index, dpi)));
}

}  // namespace report
