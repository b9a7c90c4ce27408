#include "app/AppDelegate.h"

#include "model/AppModel.h"

void AppDelegate::setModel(AppModel *model)
{
    m_model = model;
    if (m_model && !m_pending.isEmpty()) {
        m_model->open(std::exchange(m_pending, {}));
    }
}

void AppDelegate::openFiles(const QList<QUrl> &urls)
{
    if (m_model) {
        m_model->open(urls);
        return;
    }
    m_pending += urls;
}
