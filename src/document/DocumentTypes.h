#pragma once

// The values in which the whole program speaks about documents and about what
// the window shows. Apart from OpenFile they are plain values that may be copied
// to any thread; their equality decides whether an assignment to an observed
// property of the app model notifies.

#include "platform/Async.h"

#include <QHash>
#include <QHashFunctions>
#include <QList>
#include <QPointF>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <functional>
#include <optional>
#include <variant>

class QJsonArray;
class QJsonObject;

// A UUID as the program writes it everywhere: 36 characters, upper-case
// hexadecimal digits, hyphens in the 8-4-4-4-12 groups, no braces.
QString canonicalUuidText(const QUuid &id);

// A double hashed so that 0 and -0 (equal values) hash alike.
size_t hashDouble(double value, size_t seed = 0) noexcept;

struct PageSource
{
    QUrl url;      // the source file: a PDF, or a picture opened as a one-page document
    int index = 0; // zero-based page index in that file; 0 for a picture
    // Which version of the file the engine read: 0 for the first, more when it
    // read the file again after a change on disk (PDFEngine::OpenResult::revision).
    int revision = 0;

    friend bool operator==(const PageSource &, const PageSource &) = default;
};
size_t qHash(const PageSource &source, size_t seed = 0) noexcept;

struct StampPlacement
{
    QUuid id;
    QUuid stampID;
    QPointF center;      // fractions of the page as displayed: x from the left, y from the top
    double width = 0;    // fraction of the displayed page's width
    double rotation = 0; // degrees, clockwise as seen on the page

    // Exact, unlike QPointF's own comparison, so that equal values hash alike
    // (0 and -0 are equal and hash alike).
    friend bool operator==(const StampPlacement &a, const StampPlacement &b)
    {
        return a.id == b.id && a.stampID == b.stampID && a.center.x() == b.center.x() &&
               a.center.y() == b.center.y() && a.width == b.width && a.rotation == b.rotation;
    }
};
size_t qHash(const StampPlacement &placement, size_t seed = 0) noexcept;

struct PageItem
{
    QUuid id;
    PageSource source;
    int turn = 0;                 // extra clockwise turn: 0, 90, 180 or 270
    QList<StampPlacement> stamps; // drawn in list order

    // A copy for another document: fresh page and placement ids, everything else kept.
    PageItem duplicated() const;

    friend bool operator==(const PageItem &, const PageItem &) = default;
};
size_t qHash(const PageItem &page, size_t seed = 0) noexcept;

// Normalises a sum of clockwise degrees to 0..359.
int normalizedAngle(int degrees);

struct StampRecord
{
    QUuid id;
    QString name;
    double createdAt = 0; // seconds since 2001-01-01 00:00:00 UTC
    int pixelWidth = 0;
    int pixelHeight = 0;

    friend bool operator==(const StampRecord &, const StampRecord &) = default;

    // Seconds between the Unix epoch and 2001-01-01 00:00:00 UTC.
    static constexpr double referenceDateOffset = 978307200.0;
    static double secondsSinceReferenceDate(const class QDateTime &time);

    QJsonObject toJson() const;
    // Strict: all five keys with values of their kinds, a valid UUID text; other keys ignored.
    static std::optional<StampRecord> fromJson(const QJsonObject &object);
    // The index file: a compact JSON array, keys in the order id, name, createdAt,
    // pixelWidth, pixelHeight.
    static QByteArray encodeList(const QList<StampRecord> &records);
};
size_t qHash(const StampRecord &record, size_t seed = 0) noexcept;

struct CompressionStep
{
    int maxPixels = 0;
    double jpegQuality = 0;
    bool pagesAsPictures = false;

    friend bool operator==(const CompressionStep &, const CompressionStep &) = default;
};
size_t qHash(const CompressionStep &step, size_t seed = 0) noexcept;

struct BuildPlan
{
    QList<PageItem> pages;
    QHash<QUuid, QUrl> stampFiles;          // StampRecord.id -> picture file
    std::optional<QString> password;        // absent or empty: not protected
    std::optional<CompressionStep> quality; // absent: no compression
};

// What the detail area shows.
class Destination
{
public:
    enum class Kind { Home, File, Merge, Stamps, Codes, About };

    Destination() = default; // home
    static Destination home() { return Destination(Kind::Home); }
    static Destination file(const QUuid &id) { return Destination(Kind::File, id); }
    static Destination merge() { return Destination(Kind::Merge); }
    static Destination stamps() { return Destination(Kind::Stamps); }
    static Destination codes() { return Destination(Kind::Codes); }
    static Destination about() { return Destination(Kind::About); }

    Kind kind() const { return m_kind; }
    // The document of a `file` destination; null for the others.
    QUuid fileID() const { return m_fileID; }
    bool isFile() const { return m_kind == Kind::File; }

    friend bool operator==(const Destination &, const Destination &) = default;

private:
    explicit Destination(Kind kind, QUuid fileID = {})
        : m_kind(kind)
        , m_fileID(fileID)
    {}
    Kind m_kind = Kind::Home;
    QUuid m_fileID;
};
size_t qHash(const Destination &destination, size_t seed = 0) noexcept;

// The per-document tool sheet on screen.
struct FileSheet
{
    enum class Kind { Compress, Split, Password, ExportImages };

    Kind kind = Kind::Compress;
    QUuid fileID;

    // Identity text by which the sheet is presented: "compress-", "split-",
    // "password-" or "export-" followed by the document's canonical UUID.
    QString id() const;

    friend bool operator==(const FileSheet &, const FileSheet &) = default;
};

// What opening a file for a home-screen tile starts afterwards. No equality.
enum class Tool { Sign, Split, Compress };

struct Toast
{
    QString text;
    std::optional<QUrl> reveal; // a file that "Show in Folder" reveals

    friend bool operator==(const Toast &, const Toast &) = default;
};

// The long operation in progress. No equality: every assignment notifies.
struct BusyState
{
    QString title;    // "Saving…", "Merging…"
    CancelToken task; // what Cancel cancels; a default token when the work can't be stopped
};

struct PasswordRequest
{
    QUuid id;         // fresh for every question
    QString fileName; // shown in the prompt
    bool wasWrong = false;
};

enum class SupportPrompt { Manual, AfterFirstResult, TellAFriend };
