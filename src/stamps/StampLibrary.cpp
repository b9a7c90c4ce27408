#include "stamps/StampLibrary.h"

#include "stamps/StampsLog.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {

const char *const indexName = "stamps.json";

QImage decodePicture(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage pictureFromFile(const QString &path)
{
    QImageReader reader(path);
    return decodePicture(reader);
}

QImage pictureFromBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decodePicture(reader);
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

StampLibrary::StampLibrary(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{}

QString StampLibrary::indexFile() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(indexName));
}

QString StampLibrary::pictureFile(const QUuid &id) const
{
    return QDir(m_folder).filePath(canonicalUuidText(id) + QStringLiteral(".png"));
}

void StampLibrary::load()
{
    m_loaded = true;
    m_indexDamaged = false;
    QFile file(indexFile());
    if (!file.exists()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcStamps).noquote()
            << "the stamp index" << file.fileName() << "can't be read:" << file.errorString();
        m_indexDamaged = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        const QString why = parseError.error != QJsonParseError::NoError
                                ? parseError.errorString()
                                : QStringLiteral("not a list");
        qCWarning(lcStamps).noquote()
            << "the stamp index" << file.fileName() << "is damaged:" << why;
        m_indexDamaged = true;
        return;
    }

    QList<StampRecord> kept;
    QSet<QUuid> seen;
    bool damaged = false;
    const QJsonArray entries = document.array();
    for (const auto &value : entries) {
        const std::optional<StampRecord> record =
            value.isObject() ? StampRecord::fromJson(value.toObject()) : std::nullopt;
        if (!record) {
            damaged = true;
            continue;
        }
        // A hand-edited index may name one stamp twice; its one picture file
        // belongs to the first.
        if (seen.contains(record->id)) {
            continue;
        }
        seen.insert(record->id);
        if (QFile::exists(pictureFile(record->id))) {
            kept.append(*record);
        }
    }
    m_indexDamaged = damaged;

    QHash<QUuid, QImage> images;
    for (const StampRecord &record : std::as_const(kept)) {
        const QImage image = pictureFromFile(pictureFile(record.id));
        if (!image.isNull()) {
            images.insert(record.id, image);
        }
    }
    setStamps(kept);
    setImages(images);
}

QHash<QUuid, QUrl> StampLibrary::files() const
{
    QHash<QUuid, QUrl> out;
    for (const StampRecord &record : m_stamps) {
        out.insert(record.id, QUrl::fromLocalFile(pictureFile(record.id)));
    }
    return out;
}

std::optional<StampRecord> StampLibrary::record(const QUuid &id) const
{
    for (const StampRecord &record : m_stamps) {
        if (record.id == id) {
            return record;
        }
    }
    return std::nullopt;
}

QString StampLibrary::suggestedName(const StampMaker::Stamp &stamp) const
{
    const double ratio = double(stamp.pixelWidth) / double(std::max(stamp.pixelHeight, 1));
    QString base = ratio >= 1.6 ? tr("Signature") : tr("Stamp");
    QSet<QString> taken;
    for (const StampRecord &record : m_stamps) {
        taken.insert(record.name);
    }
    if (!taken.contains(base)) {
        return base;
    }
    for (int n = 2;; ++n) {
        QString candidate = base + QLatin1Char(' ') + QString::number(n);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
}

std::optional<StampRecord> StampLibrary::add(const StampMaker::Stamp &stamp, const QString &name,
                                             const QUuid &id)
{
    if (!m_loaded) {
        load();
    }
    if (std::optional<StampRecord> existing = record(id)) {
        return existing;
    }
    QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        trimmed = suggestedName(stamp);
    }
    StampRecord record;
    record.id = id;
    record.name = trimmed;
    record.createdAt = StampRecord::secondsSinceReferenceDate(QDateTime::currentDateTimeUtc());
    record.pixelWidth = stamp.pixelWidth;
    record.pixelHeight = stamp.pixelHeight;

    // The picture lands before the index that lists it, so the index never
    // names a stamp without its picture.
    const QString picture = pictureFile(id);
    const bool stored = QDir().mkpath(m_folder) && writeWhole(picture, stamp.png) &&
                        write(m_stamps + QList<StampRecord>{record});
    if (!stored) {
        QFile::remove(picture);
        setErrorMessage(tr("The signature or stamp couldn't be saved. Try again."));
        return std::nullopt;
    }
    setStamps(m_stamps + QList<StampRecord>{record});
    const QImage image = pictureFromBytes(stamp.png);
    if (!image.isNull()) {
        QHash<QUuid, QImage> images = m_images;
        images.insert(id, image);
        setImages(images);
    }
    return record;
}

void StampLibrary::rename(const QUuid &id, const QString &name)
{
    if (!m_loaded) {
        load();
    }
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return;
    }
    QList<StampRecord> changed = m_stamps;
    const auto it = std::find_if(changed.begin(), changed.end(),
                                 [&](const StampRecord &r) { return r.id == id; });
    if (it == changed.end()) {
        return;
    }
    it->name = trimmed;
    if (!write(changed)) {
        setErrorMessage(tr("The change couldn't be saved. Try again."));
        return;
    }
    setStamps(changed);
}

void StampLibrary::remove(const QUuid &id)
{
    if (!m_loaded) {
        load();
    }
    QList<StampRecord> remaining = m_stamps;
    remaining.removeIf([&](const StampRecord &r) { return r.id == id; });
    // The picture goes only once the index no longer lists it.
    if (!write(remaining)) {
        setErrorMessage(tr("The change couldn't be saved. Try again."));
        return;
    }
    QFile::remove(pictureFile(id));
    setStamps(remaining);
    if (m_images.contains(id)) {
        QHash<QUuid, QImage> images = m_images;
        images.remove(id);
        setImages(images);
    }
}

bool StampLibrary::write(const QList<StampRecord> &records)
{
    Q_ASSERT(m_loaded);
    if (!QDir().mkpath(m_folder)) {
        return false;
    }
    if (m_indexDamaged) {
        if (!keepDamagedIndexAside()) {
            return false;
        }
        m_indexDamaged = false;
    }
    return writeWhole(indexFile(), StampRecord::encodeList(records));
}

// Keeps what load() could not take whole as "stamps.json.bak" (or the first free
// "stamps.json.<n>.bak"), so a damaged index is never simply overwritten.
bool StampLibrary::keepDamagedIndexAside()
{
    const QString index = indexFile();
    if (!QFile::exists(index)) {
        return true;
    }
    QString aside = index + QStringLiteral(".bak");
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = index + QLatin1Char('.') + QString::number(n) + QStringLiteral(".bak");
    }
    // A copy leaves the index in place should the write that follows fail; an
    // index that can't be read can still be moved.
    return QFile::copy(index, aside) || QFile::rename(index, aside);
}

void StampLibrary::setStamps(const QList<StampRecord> &stamps)
{
    if (m_stamps == stamps) {
        return;
    }
    m_stamps = stamps;
    emit stampsChanged();
}

void StampLibrary::setImages(const QHash<QUuid, QImage> &images)
{
    if (m_images.size() == images.size()) {
        bool same = true;
        for (auto it = images.cbegin(); it != images.cend() && same; ++it) {
            const auto old = m_images.constFind(it.key());
            same = old != m_images.cend() && (old->cacheKey() == it->cacheKey() || *old == *it);
        }
        if (same) {
            return;
        }
    }
    m_images = images;
    emit imagesChanged();
}

void StampLibrary::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message && m_errorMessage.isNull() == message.isNull()) {
        return;
    }
    m_errorMessage = message;
    emit errorMessageChanged();
}
