#include "stampviews/StampSource.h"

#include <QHash>

StampSource StampSource::file(const QUrl &url)
{
    StampSource source(Kind::File);
    source.m_url = url;
    return source;
}

StampSource StampSource::data(const QByteArray &bytes)
{
    StampSource source(Kind::Data);
    source.m_bytes = bytes;
    return source;
}

QString StampSource::id() const
{
    switch (m_kind) {
    case Kind::File:
        return QStringLiteral("file-") + m_url.path();
    case Kind::Data:
        // Signed on purpose: the text is an identity, not a number anyone reads.
        return QStringLiteral("data-%1-%2").arg(m_bytes.size()).arg(qint64(qHash(m_bytes)));
    case Kind::Drawing:
        return QStringLiteral("drawing");
    case Kind::Ready:
        return QStringLiteral("ready");
    }
    return QString();
}
