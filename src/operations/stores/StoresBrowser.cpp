#include "operations/stores/StoresBrowser.h"

#include "platform/data/Query.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBGrid.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

StoresBrowser::StoresBrowser(const QString& caption, const QString& key, data::Query* query,
                             data::DataSource* source, const QVector<ui::GridColumn>& columns, QWidget* parent)
    : ui::Form(parent), m_query(query), m_source(source)
{
    setMdiChild(true);
    setFormKey(key);
    setWindowTitle(caption);

    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [&](ui::ToolButton*& b, const char* name, const QString& text, auto handler) {
        b = new ui::ToolButton(text, m_toolBar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        connect(b, &QToolButton::clicked, this, handler);
        return m_toolBar->addWidget(b);
    };
    add(TB_First, "TB_First", QStringLiteral("首条"), [this] { TB_FirstClick(); });
    add(TB_Prev, "TB_Prev", QStringLiteral("上条"), [this] { TB_PrevClick(); });
    add(TB_Next, "TB_Next", QStringLiteral("下条"), [this] { TB_NextClick(); });
    add(TB_Last, "TB_Last", QStringLiteral("末条"), [this] { TB_LastClick(); });
    add(TB_Find, "TB_Find", QStringLiteral("查询"), [this] { TB_FindClick(); });
    auto* spacer = new QLabel(m_toolBar);
    spacer->setMinimumWidth(16);
    m_toolBar->addWidget(spacer);
    add(TB_Close, "TB_Close", QStringLiteral("离开"), [this] { TB_CloseClick(); });

    DBGrid1 = new ui::DBGrid(source, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns(columns);
    DBGrid1->setRowSelect(true);
    DBGrid1->setReadOnly(true);
}

void StoresBrowser::reopen()
{
    m_source->setEnabled(false);
    try {
        m_query->close();
        m_query->open();
    } catch (...) {
        m_source->setEnabled(true);
        throw;
    }
    m_source->setEnabled(true);
}

void StoresBrowser::run(const QStringList& lines, const QList<QPair<QString, QString>>& params)
{
    QList<std::pair<QString, QVariant>> values;
    for (const auto& [name, value] : params)
        values.append({name, value});
    m_query->reopen(lines.join(u'\n'), values);
}

void StoresBrowser::TB_FirstClick()
{
    m_query->first();
}

void StoresBrowser::TB_PrevClick()
{
    m_query->prior();
}

void StoresBrowser::TB_NextClick()
{
    m_query->next();
}

void StoresBrowser::TB_LastClick()
{
    m_query->last();
}

void StoresBrowser::TB_CloseClick()
{
    close();
}
