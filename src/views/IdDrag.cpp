#include "views/IdDrag.h"

#include <QMimeData>

namespace IdDrag {

QMimeData *mimeData(const QUuid &id)
{
    auto *data = new QMimeData;
    data->setText(id.toString(QUuid::WithoutBraces));
    return data;
}

std::optional<QUuid> id(const QMimeData *data)
{
    if (!data || !data->hasText()) {
        return std::nullopt;
    }
    return id(data->text());
}

std::optional<QUuid> id(const QString &dropped)
{
    const QString text = dropped.trimmed();
    // Exactly the 36-character form; QUuid alone would also take braces and other shapes.
    if (text.size() != 36) {
        return std::nullopt;
    }
    const QUuid parsed = QUuid::fromString(text);
    if (parsed.isNull()) {
        return std::nullopt;
    }
    return parsed;
}

} // namespace IdDrag
