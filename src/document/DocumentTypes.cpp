#include "document/DocumentTypes.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTimeZone>

#include <cmath>

QString canonicalUuidText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

size_t hashDouble(double value, size_t seed) noexcept
{
    // -0 == 0, so both must hash alike; NaN never reaches here in practice.
    if (value == 0.0) {
        value = 0.0;
    }
    return qHash(value, seed);
}

size_t qHash(const PageSource &source, size_t seed) noexcept
{
    return qHashMulti(seed, source.url, source.index, source.revision);
}

size_t qHash(const StampPlacement &placement, size_t seed) noexcept
{
    size_t h = qHashMulti(seed, placement.id, placement.stampID);
    h = hashDouble(placement.center.x(), h);
    h = hashDouble(placement.center.y(), h);
    h = hashDouble(placement.width, h);
    return hashDouble(placement.rotation, h);
}

size_t qHash(const PageItem &page, size_t seed) noexcept
{
    size_t h = qHashMulti(seed, page.id, page.source, page.turn);
    for (const StampPlacement &placement : page.stamps) {
        h = qHash(placement, h);
    }
    return h;
}

PageItem PageItem::duplicated() const
{
    PageItem copy = *this;
    copy.id = QUuid::createUuid();
    for (StampPlacement &placement : copy.stamps) {
        placement.id = QUuid::createUuid();
    }
    return copy;
}

int normalizedAngle(int degrees)
{
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

double StampRecord::secondsSinceReferenceDate(const QDateTime &time)
{
    return double(time.toMSecsSinceEpoch()) / 1000.0 - referenceDateOffset;
}

QJsonObject StampRecord::toJson() const
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), canonicalUuidText(id));
    object.insert(QStringLiteral("name"), name);
    object.insert(QStringLiteral("createdAt"), createdAt);
    object.insert(QStringLiteral("pixelWidth"), pixelWidth);
    object.insert(QStringLiteral("pixelHeight"), pixelHeight);
    return object;
}

namespace {

// JSON integers only: a number without a fraction that fits an int.
std::optional<int> strictInt(const QJsonValue &value)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::floor(d) != d || d < double(std::numeric_limits<int>::min()) ||
        d > double(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return int(d);
}

// Escapes a string the way JSON wants it; QJsonDocument would sort the keys of
// an object, and the index keeps them in declared order.
QByteArray jsonString(const QString &text)
{
    QJsonArray wrapper{text};
    QByteArray array = QJsonDocument(wrapper).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray jsonNumber(double value)
{
    QJsonArray wrapper{value};
    QByteArray array = QJsonDocument(wrapper).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

std::optional<StampRecord> StampRecord::fromJson(const QJsonObject &object)
{
    const QJsonValue id = object.value(QStringLiteral("id"));
    const QJsonValue name = object.value(QStringLiteral("name"));
    const QJsonValue createdAt = object.value(QStringLiteral("createdAt"));
    const auto width = strictInt(object.value(QStringLiteral("pixelWidth")));
    const auto height = strictInt(object.value(QStringLiteral("pixelHeight")));
    if (!id.isString() || !name.isString() || !createdAt.isDouble() || !width || !height) {
        return std::nullopt;
    }
    const QString idText = id.toString();
    // QUuid accepts braces and other spellings; the index holds the plain 36-character form.
    if (idText.size() != 36) {
        return std::nullopt;
    }
    const QUuid uuid = QUuid::fromString(idText);
    if (uuid.isNull() && idText != QStringLiteral("00000000-0000-0000-0000-000000000000")) {
        return std::nullopt;
    }
    StampRecord record;
    record.id = uuid;
    record.name = name.toString();
    record.createdAt = createdAt.toDouble();
    record.pixelWidth = *width;
    record.pixelHeight = *height;
    return record;
}

QByteArray StampRecord::encodeList(const QList<StampRecord> &records)
{
    QByteArray out = "[";
    for (qsizetype i = 0; i < records.size(); ++i) {
        const StampRecord &r = records.at(i);
        if (i > 0) {
            out += ',';
        }
        out += "{\"id\":" + jsonString(canonicalUuidText(r.id));
        out += ",\"name\":" + jsonString(r.name);
        out += ",\"createdAt\":" + jsonNumber(r.createdAt);
        out += ",\"pixelWidth\":" + QByteArray::number(r.pixelWidth);
        out += ",\"pixelHeight\":" + QByteArray::number(r.pixelHeight);
        out += '}';
    }
    out += ']';
    return out;
}

size_t qHash(const StampRecord &record, size_t seed) noexcept
{
    size_t h = qHashMulti(seed, record.id, record.name);
    h = hashDouble(record.createdAt, h);
    return qHashMulti(h, record.pixelWidth, record.pixelHeight);
}

size_t qHash(const CompressionStep &step, size_t seed) noexcept
{
    size_t h = qHash(step.maxPixels, seed);
    h = hashDouble(step.jpegQuality, h);
    return qHash(step.pagesAsPictures, h);
}

size_t qHash(const Destination &destination, size_t seed) noexcept
{
    return qHashMulti(seed, int(destination.kind()), destination.fileID());
}

QString FileSheet::id() const
{
    QString prefix;
    switch (kind) {
    case Kind::Compress:
        prefix = QStringLiteral("compress-");
        break;
    case Kind::Split:
        prefix = QStringLiteral("split-");
        break;
    case Kind::Password:
        prefix = QStringLiteral("password-");
        break;
    case Kind::ExportImages:
        prefix = QStringLiteral("export-");
        break;
    }
    return prefix + canonicalUuidText(fileID);
}
