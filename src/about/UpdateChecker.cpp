#include "about/UpdateChecker.h"

#include "about/AboutLog.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>
#include <QSslConfiguration>
#include <QTimer>

#include <cmath>
#include <limits>

namespace UpdateChecker {

namespace {

// The feed is a few hundred bytes; anything far larger is not ours, and reading it
// whole would only cost memory.
constexpr qint64 MaxFeedBytes = 1024 * 1024;
constexpr int TimeoutMs = 15000;

QString unavailableMessage()
{
    //: Check for Updates error
    return QCoreApplication::translate(
        "UpdateChecker", "The update information isn't available right now. Try again later.");
}

QString couldNotCheckMessage(const QString &description)
{
    //: Check for Updates error. The placeholder is the system's error message.
    return QCoreApplication::translate("UpdateChecker", "Couldn't check for updates: %1")
        .arg(description);
}

QString notInFormatText()
{
    return QCoreApplication::translate(
        "UpdateChecker", "The data couldn't be read because it isn't in the correct format.");
}

QString missingText()
{
    return QCoreApplication::translate("UpdateChecker",
                                       "The data couldn't be read because it is missing.");
}

QString tooLargeText()
{
    return QCoreApplication::translate("UpdateChecker", "The update information is too large.");
}

QString timedOutText()
{
    return QCoreApplication::translate("UpdateChecker", "The request timed out.");
}

// A decoded release, or the reason the body is not one.
using Decoded = std::variant<Release, QString>;

std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    // Integers that fit keep their exact value; a number written with a fraction or
    // an exponent counts only when it is exactly a 64-bit whole number.
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong) {
        return variant.toLongLong();
    }
    const double d = value.toDouble();
    if (std::isfinite(d) && std::trunc(d) == d && d >= -9223372036854775808.0 &&
        d < 9223372036854775808.0) {
        return static_cast<qint64>(d);
    }
    return std::nullopt;
}

// An optional address: absent or null is none; anything but a string that reads as
// an absolute address spoils the whole feed.
bool optionalUrl(const QJsonObject &object, const QString &key, std::optional<QUrl> &out,
                 QString &error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        return true;
    }
    if (!value.isString()) {
        error = notInFormatText();
        return false;
    }
    const QUrl url(value.toString(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        error = notInFormatText();
        return false;
    }
    out = url;
    return true;
}

Decoded decode(const QByteArray &body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return notInFormatText();
    }
    const QJsonObject object = document.object();
    Release release;

    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isUndefined() || version.isNull()) {
        return missingText();
    }
    if (!version.isString()) {
        return notInFormatText();
    }
    release.version = version.toString();

    const QJsonValue build = object.value(QLatin1String("build"));
    if (build.isUndefined() || build.isNull()) {
        return missingText();
    }
    const std::optional<qint64> number = wholeNumber(build);
    if (!number) {
        return notInFormatText();
    }
    release.build = *number;

    QString error;
    if (!optionalUrl(object, QStringLiteral("url"), release.url, error) ||
        !optionalUrl(object, QStringLiteral("dmg"), release.dmg, error)) {
        return error;
    }

    for (const auto &[key, text] :
         {std::pair{"sha256", &release.sha256}, std::pair{"signature", &release.signature}}) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isNull()) {
            if (!value.isString()) {
                return notInFormatText();
            }
            *text = value.toString();
        }
    }

    const QJsonValue size = object.value(QLatin1String("size"));
    if (!size.isUndefined() && !size.isNull()) {
        const std::optional<qint64> bytes = wholeNumber(size);
        if (!bytes || *bytes <= 0) {
            return notInFormatText();
        }
        release.size = bytes;
    }
    return release;
}

struct Target
{
    QUrl feed;
    int timeoutMs = TimeoutMs;
};

#ifdef TAMSEL_TEST_SEAMS
QMutex s_endpointLock;
std::optional<Endpoint> s_endpoint;
#endif

Target currentTarget()
{
    Target target;
    target.feed = feedURL();
#ifdef TAMSEL_TEST_SEAMS
    QMutexLocker locker(&s_endpointLock);
    if (s_endpoint) {
        target.feed = s_endpoint->feed;
        target.timeoutMs = s_endpoint->timeoutMs;
    }
#endif
    return target;
}

// One check: its own network access (nothing shared, nothing kept on disk), one GET,
// one deadline. It deletes itself once the result is out.
class FeedFetch : public QObject
{
public:
    explicit FeedFetch(const Target &target)
    {
        m_promise.start();

        const QNetworkRequest request = siteRequest(target.feed);
        m_network = new QNetworkAccessManager(this);
        m_network->setCookieJar(nullptr);
        m_reply = m_network->get(request);
        QObject::connect(m_reply, &QNetworkReply::readyRead, this, [this] { onReadyRead(); });
        QObject::connect(m_reply, &QNetworkReply::finished, this, [this] { onFinished(); });

        // The deadline covers the whole check, so a server that trickles bytes cannot
        // stretch it either.
        m_deadline.setSingleShot(true);
        QObject::connect(&m_deadline, &QTimer::timeout, this,
                         [this] { settle(Result::failed(couldNotCheckMessage(timedOutText()))); });
        m_deadline.start(target.timeoutMs);
    }

    QFuture<Result> future() { return m_promise.future(); }

private:
    std::optional<int> status() const
    {
        const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return code.isValid() ? std::optional<int>(code.toInt()) : std::nullopt;
    }

    void onReadyRead()
    {
        m_body += m_reply->readAll();
        if (m_body.size() > MaxFeedBytes) {
            const std::optional<int> code = status();
            settle(Result::failed(code && *code != 200 ? unavailableMessage()
                                                       : couldNotCheckMessage(tooLargeText())));
        }
    }

    void onFinished()
    {
        const std::optional<int> code = status();
        if (code && *code != 200) {
            settle(Result::failed(unavailableMessage()));
            return;
        }
        if (m_reply->error() != QNetworkReply::NoError) {
            settle(Result::failed(couldNotCheckMessage(m_reply->errorString())));
            return;
        }
        if (!code) {
            settle(Result::failed(unavailableMessage()));
            return;
        }
        m_body += m_reply->readAll();
        if (m_body.size() > MaxFeedBytes) {
            settle(Result::failed(couldNotCheckMessage(tooLargeText())));
            return;
        }
        const Decoded decoded = decode(m_body);
        if (const QString *error = std::get_if<QString>(&decoded)) {
            settle(Result::failed(couldNotCheckMessage(*error)));
            return;
        }
        Release release = std::get<Release>(decoded);
        settle(currentBuild() >= release.build ? Result::upToDate()
                                               : Result::available(std::move(release)));
    }

    void settle(Result result)
    {
        if (m_settled) {
            return;
        }
        m_settled = true;
        if (result.isFailed()) {
            qCWarning(lcAbout).noquote() << "update check failed:" << result.message();
        }
        m_deadline.stop();
        // Abort without hearing about it: the answer is already decided.
        QObject::disconnect(m_reply, nullptr, this, nullptr);
        if (m_reply->isRunning()) {
            m_reply->abort();
        }
        m_promise.addResult(std::move(result));
        m_promise.finish();
        deleteLater();
    }

    QPromise<Result> m_promise;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer m_deadline;
    QByteArray m_body;
    bool m_settled = false;
};

} // namespace

QUrl Release::downloadURL() const
{
    if (url && url->scheme() == QLatin1String("https") && url->host() == pageURL().host()) {
        return *url;
    }
    return pageURL();
}

QFuture<Result> check()
{
    auto *fetch = new FeedFetch(currentTarget());
    return fetch->future();
}

QUrl pageURL()
{
#ifdef TAMSEL_TEST_SEAMS
    {
        QMutexLocker locker(&s_endpointLock);
        if (s_endpoint && !s_endpoint->page.isEmpty()) {
            return s_endpoint->page;
        }
    }
#endif
    static const QUrl url(QStringLiteral("https://" TAMSEL_SITE_HOST "/tamsel-linux/"));
    return url;
}

QNetworkRequest siteRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    // A redirect stays on the maker's site (same scheme, host and port); any other
    // ends the request with its 3xx status.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
#ifdef TAMSEL_TEST_SEAMS
    {
        QMutexLocker locker(&s_endpointLock);
        if (s_endpoint) {
            ssl.addCaCertificates(s_endpoint->trustedCertificates);
        }
    }
#endif
    request.setSslConfiguration(ssl);
    return request;
}

QUrl feedURL()
{
    static const QUrl url = pageURL().resolved(QUrl(QStringLiteral("version.json")));
    return url;
}

QString currentVersion()
{
    return QStringLiteral(TAMSEL_VERSION);
}

qint64 currentBuild()
{
    return buildNumber(QStringLiteral(TAMSEL_BUILD_NUMBER));
}

qint64 buildNumber(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) {
        return 0;
    }
    // Accumulate negatively so that the most negative number still fits.
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return 0;
        }
        const int digit = c - u'0';
        if (value < (std::numeric_limits<qint64>::min() + digit) / 10) {
            return 0;
        }
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == std::numeric_limits<qint64>::min()) {
            return 0;
        }
        value = -value;
    }
    return value;
}

#ifdef TAMSEL_TEST_SEAMS
void setEndpointForTesting(std::optional<Endpoint> endpoint)
{
    QMutexLocker locker(&s_endpointLock);
    s_endpoint = std::move(endpoint);
}
#endif

} // namespace UpdateChecker
