#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QUrl>

// Where a new signature or stamp is to come from. A screen that holds one
// shows the new-stamp sheet for it; two sources with the same id are the same
// sheet, so choosing the same file again keeps the sheet that is open.
class StampSource
{
public:
    enum class Kind { File, Data, Drawing, Ready };

    StampSource() = default; // a drawing
    static StampSource file(const QUrl &url);
    static StampSource data(const QByteArray &bytes);
    static StampSource drawing() { return StampSource(Kind::Drawing); }
    static StampSource ready() { return StampSource(Kind::Ready); }

    Kind kind() const { return m_kind; }
    QUrl url() const { return m_url; }
    QByteArray bytes() const { return m_bytes; }

    // "file-<path>", "data-<byte count>-<hash>", "drawing" or "ready". The hash
    // is equal for equal bytes within one run only.
    QString id() const;

private:
    explicit StampSource(Kind kind)
        : m_kind(kind)
    {}

    Kind m_kind = Kind::Drawing;
    QUrl m_url;
    QByteArray m_bytes;
};

Q_DECLARE_METATYPE(StampSource)
