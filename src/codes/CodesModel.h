#pragma once

#include "codes/FoundCode.h"
#include "platform/Async.h"

#include <QList>
#include <QObject>

#include <optional>

// The state of code reading that the QR Codes screen shows. Main thread only.
// Every setter notifies only when the value really changes.
class CodesModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<FoundCode> found READ found WRITE setFound NOTIFY foundChanged)
    Q_PROPERTY(bool isReading READ isReading NOTIFY isReadingChanged)

public:
    explicit CodesModel(QObject *parent = nullptr);

    // The codes shown, newest read first. "Clear" sets it empty.
    const QList<FoundCode> &found() const { return m_found; }
    void setFound(const QList<FoundCode> &found);

    bool isReading() const { return m_isReading; }
    void setReading(bool reading);

    // The note that the last read found nothing.
    const std::optional<QString> &emptyMessage() const { return m_emptyMessage; }
    void setEmptyMessage(const std::optional<QString> &message);

    // The most recently started read; "Stop" cancels it. Kept after the read ends.
    CancelToken task() const { return m_task; }

    // Cancels the running read, if any, and makes the token of a new one. The
    // number identifies the new read to finishRead().
    struct Read
    {
        CancelToken token;
        quint64 number = 0;
    };
    Read startRead();
    // Ends read `number`: clears isReading only when no newer read has started,
    // so a cancelled read that ends late can't hide a running one.
    void finishRead(quint64 number);
    // Cancels the running read ("Stop").
    void stop();

signals:
    void foundChanged();
    void isReadingChanged();
    void emptyMessageChanged();

private:
    QList<FoundCode> m_found;
    bool m_isReading = false;
    std::optional<QString> m_emptyMessage;
    CancelToken m_task;
    quint64 m_readNumber = 0;
};
