#include "platform/ui/DBNavigator.h"

#include "platform/ui/Msg.h"

namespace ui {

DBNavigator::DBNavigator(data::DataSource* source, QWidget* parent) : QWidget(parent), m_source(source)
{
    hide();
}

void DBNavigator::btnClick(Button b)
{
    if (!m_source || !m_source->enabled() || !m_source->dataSet() || !m_source->dataSet()->isActive())
        return;
    data::DataSet* ds = m_source->dataSet();
    switch (b) {
    case First: ds->first(); break;
    case Prior: ds->prior(); break;
    case Next: ds->next(); break;
    case Last: ds->last(); break;
    case Insert: ds->insert(); break;
    case Edit: ds->edit(); break;
    case Post: ds->post(); break;
    case Cancel: ds->cancel(); break;
    case Refresh: ds->requery(); break;
    case Delete:
        if (ds->isEmpty() && ds->state() != data::DataSetState::Insert)
            return;
        if (m_confirmDelete && !Msg::confirm(m_deleteText))
            return;
        ds->remove();
        break;
    }
}

}  // namespace ui
