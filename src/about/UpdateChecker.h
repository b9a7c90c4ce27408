#pragma once

// The manual update check: one small JSON feed on the maker's site, fetched over
// HTTPS only when the user asks, compared by build number with the running app.
// Nothing checks at start-up or on a timer.

#include <QFuture>
#include <QNetworkRequest>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>
#include <variant>

#ifdef TAMSEL_TEST_SEAMS
#include <QList>
#include <QSslCertificate>
#endif

namespace UpdateChecker {

// One release as the feed describes it. Only `build` decides whether it is newer;
// `url`, `dmg`, `sha256` and `signature` are taken as they come and judged by their
// users. `signature` is the maker's signature of the archive (Base64) and `size`
// its length in bytes, a positive whole number when present.
struct Release
{
    QString version;
    qint64 build = 0;
    std::optional<QUrl> url;
    std::optional<QUrl> dmg;
    std::optional<QString> sha256;
    std::optional<QString> signature;
    std::optional<qint64> size;

    // Where the download button may send the user: the release's own page when it
    // is HTTPS on the maker's site, else the product page.
    QUrl downloadURL() const;
};

// The outcome of one check. Deliberately without equality: every assignment of a
// result to the model is news to the panel that shows it.
class Result
{
public:
    enum class Kind { Available, Failed, UpToDate };

    static Result available(Release release) { return Result(std::move(release)); }
    static Result failed(QString message) { return Result(std::move(message)); }
    static Result upToDate() { return Result(std::monostate{}); }

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isAvailable() const { return kind() == Kind::Available; }
    bool isFailed() const { return kind() == Kind::Failed; }
    bool isUpToDate() const { return kind() == Kind::UpToDate; }

    // Only for an available result.
    const Release &release() const { return std::get<Release>(m_value); }
    // The finished user sentence; only for a failed result.
    const QString &message() const { return std::get<QString>(m_value); }

private:
    explicit Result(std::variant<Release, QString, std::monostate> value)
        : m_value(std::move(value))
    {}
    std::variant<Release, QString, std::monostate> m_value;
};

// Fetches the feed and compares it with currentBuild(). Never fails: a failure is a
// Result carrying the user's sentence. Call it from a thread with an event loop (the
// main thread); the network work itself does not block that thread. The future always
// finishes with a result within the check's time-out.
QFuture<Result> check();

// The product page on the maker's site; the feed lives in the same folder.
QUrl pageURL();
QUrl feedURL();

// A GET of `url` on the maker's site that keeps nothing (no cache, cookies or
// credentials), follows redirects only on the same site and trusts the system's
// certificates (in test builds also those of a test's own server).
QNetworkRequest siteRequest(const QUrl &url);

// The running app's version and build as the build system stamped them.
QString currentVersion();
qint64 currentBuild();

// A build number written as text: a whole decimal number with an optional leading
// sign; 0 for anything else (empty, "1.2", out of range).
qint64 buildNumber(QStringView text);

#ifdef TAMSEL_TEST_SEAMS
// Builds made for testing can send check() to another server. Nothing outside the
// program can reach this, and release builds do not contain it.
struct Endpoint
{
    QUrl feed;
    QList<QSslCertificate> trustedCertificates;
    int timeoutMs = 15000;
    // Stands in for the product page (and with it the maker's host) when not empty.
    QUrl page = QUrl();
};
void setEndpointForTesting(std::optional<Endpoint> endpoint);
#endif

} // namespace UpdateChecker
