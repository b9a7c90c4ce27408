#pragma once

// Pages and merge entries are dragged inside the window as their id: one text
// item holding a UUID. A drop that holds anything else is not ours.

#include <QString>
#include <QUuid>

#include <optional>

class QMimeData;

namespace IdDrag {

// Mime data carrying `id` as its text.
QMimeData *mimeData(const QUuid &id);

// The id a drop carries; absent when its text is not exactly one UUID.
std::optional<QUuid> id(const QMimeData *data);
// The id a dropped text item holds, by the same rule.
std::optional<QUuid> id(const QString &text);

} // namespace IdDrag
