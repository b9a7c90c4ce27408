#pragma once

// Rubber-stamp pictures the app draws itself: an office word, today's date under
// it or alone, inside a double rounded frame, in one of three inks. Each
// combination of word, date text and ink has one fixed stamp id, so choosing the
// same ready stamp twice finds the stored one.
//
// Thread contract: the enums and the renderer hold no state and may be used on
// any thread (render() draws into an image, never on screen). choose() runs on
// the main thread and renders on a pool thread.

#include "document/DocumentTypes.h"
#include "stamps/StampMaker.h"

#include <QColor>
#include <QFuture>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

class StampLibrary;

enum class ReadyStamp { Approved, Paid, Copy, Confidential, Draft, Received, Date };

QList<ReadyStamp> allReadyStamps(); // in the order the picker shows them
QString rawValue(ReadyStamp stamp);
std::optional<ReadyStamp> readyStampFromRawValue(const QString &raw);
// The stamped word in the app's language; none for the date-only stamp.
std::optional<QString> word(ReadyStamp stamp);

enum class StampInk { Red, Blue, Black };

QList<StampInk> allStampInks();
QString rawValue(StampInk ink);
std::optional<StampInk> stampInkFromRawValue(const QString &raw);
// For a stored preference: any text that names no ink is red.
StampInk stampInkFromSetting(const QString &raw);
// The colour of frame, text and drawing-pad strokes; always a little translucent.
QColor inkColor(StampInk ink);

namespace ReadyStampRenderer {

QUuid stampID(const std::optional<QString> &word, const std::optional<QString> &date, StampInk ink);
// Nothing when there is no non-empty line or the picture can't be made.
std::optional<StampMaker::Stamp> render(const std::optional<QString> &word,
                                        const std::optional<QString> &date, StampInk ink);
// Today in the current locale's abbreviated date style, as stamped.
QString today();

// The name a chosen ready stamp is stored under: word and date joined by " · ".
QString storedName(const std::optional<QString> &word, const std::optional<QString> &date);
// The picker's cache key of a tile's preview.
QString previewKey(const std::optional<QString> &word, const std::optional<QString> &date,
                   StampInk ink);
// The user's own word as stamped: trimmed, upper-case, at most 40 characters;
// none when blank.
std::optional<QString> ownWord(const QString &typed);

// Stores the ready stamp once: the record already in the library under its id,
// else a fresh rendering added under that id. Nothing when the drawing fails or
// the library can't store it (the library then says why).
QFuture<std::optional<StampRecord>> choose(StampLibrary *library, std::optional<QString> word,
                                           std::optional<QString> date, StampInk ink);

} // namespace ReadyStampRenderer
