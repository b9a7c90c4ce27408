#include "codes/CodesModel.h"

CodesModel::CodesModel(QObject *parent)
    : QObject(parent)
{}

void CodesModel::setFound(const QList<FoundCode> &found)
{
    if (m_found == found) {
        return;
    }
    m_found = found;
    emit foundChanged();
}

void CodesModel::setReading(bool reading)
{
    if (m_isReading == reading) {
        return;
    }
    m_isReading = reading;
    emit isReadingChanged();
}

void CodesModel::setEmptyMessage(const std::optional<QString> &message)
{
    if (m_emptyMessage == message) {
        return;
    }
    m_emptyMessage = message;
    emit emptyMessageChanged();
}

CodesModel::Read CodesModel::startRead()
{
    m_task.cancel();
    m_task = CancelToken::make();
    return Read{m_task, ++m_readNumber};
}

void CodesModel::finishRead(quint64 number)
{
    if (number == m_readNumber) {
        setReading(false);
    }
}

void CodesModel::stop()
{
    m_task.cancel();
}
