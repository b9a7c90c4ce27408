#include "about/UpdateDownload.h"

#include "about/UpdateArchive.h"
#include "about/UpdateChecker.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>
#include <QTimer>

namespace UpdateDownload {

namespace {

// One download to a file: streamed, with a stall limit and a limit on the whole.
// Deletes itself once its answer is out. The answer is nothing on success, or the
// sentence that goes between the brackets of failed().
class Download : public QObject
{
public:
    Download(const QUrl &from, const QString &to, std::chrono::milliseconds stallLimit,
             std::chrono::milliseconds totalLimit, qint64 maxBytes)
        : m_file(to)
        , m_maxBytes(maxBytes)
    {
        m_promise.start();
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            // Settled from the event loop, so the caller has its future first.
            QTimer::singleShot(0, this, [this] { settle(m_file.errorString()); });
            return;
        }
        const QNetworkRequest request = UpdateChecker::siteRequest(from);
        m_network = new QNetworkAccessManager(this);
        m_network->setCookieJar(nullptr);
        m_reply = m_network->get(request);
        // Read as it comes, so the archive is never held in memory.
        m_reply->setReadBufferSize(1024 * 1024);
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { onMetaDataChanged(); });
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { onReadyRead(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { onFinished(); });

        m_stall.setSingleShot(true);
        m_whole.setSingleShot(true);
        for (QTimer *timer : {&m_stall, &m_whole}) {
            connect(timer, &QTimer::timeout, this, [this] {
                settle(QCoreApplication::translate("Updater", "The request timed out."));
            });
        }
        m_stall.start(stallLimit);
        m_whole.start(totalLimit);
    }

    QFuture<std::optional<QString>> future() { return m_promise.future(); }

private:
    std::optional<int> status() const
    {
        const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return code.isValid() ? std::optional<int>(code.toInt()) : std::nullopt;
    }

    // A length announced past the limit, or past the room left, ends it before the body.
    void onMetaDataChanged()
    {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (!length.isValid() || status() != 200) {
            return;
        }
        if (length.toLongLong() > m_maxBytes) {
            settle(tooLargeText());
        } else if (UpdateArchive::freeSpace(QFileInfo(m_file.fileName()).absolutePath())
                       .value_or(0) < length.toLongLong()) {
            settle(noSpaceText());
        }
    }

    void onReadyRead()
    {
        m_stall.start();
        const QByteArray data = m_reply->readAll();
        if (const std::optional<int> code = status(); code && *code != 200) {
            return; // the body of an error page is read and dropped
        }
        // A server that announced no length, or another one, is held to the limit as it sends.
        m_received += data.size();
        if (m_received > m_maxBytes) {
            settle(tooLargeText());
            return;
        }
        if (m_file.write(data) != data.size()) {
            settle(m_file.errorString());
        }
    }

    void onFinished()
    {
        if (m_reply->error() != QNetworkReply::NoError && !status()) {
            settle(m_reply->errorString());
            return;
        }
        if (const std::optional<int> code = status(); code && *code != 200) {
            settle(statusPhrase(*code));
            return;
        }
        if (m_reply->error() != QNetworkReply::NoError) {
            settle(m_reply->errorString());
            return;
        }
        onReadyRead();
        if (m_settled) {
            return;
        }
        if (!m_file.flush()) {
            settle(m_file.errorString());
            return;
        }
        m_file.close();
        settle(std::nullopt);
    }

    void settle(std::optional<QString> message)
    {
        if (m_settled) {
            return;
        }
        m_settled = true;
        m_stall.stop();
        m_whole.stop();
        if (m_reply) {
            disconnect(m_reply, nullptr, this, nullptr);
            if (m_reply->isRunning()) {
                m_reply->abort();
            }
        }
        m_file.close();
        m_promise.addResult(std::move(message));
        m_promise.finish();
        deleteLater();
    }

    // The standard reason phrase of an HTTP status, as the user reads it between brackets.
    static QString statusPhrase(int code)
    {
        switch (code) {
        case 301:
            return QCoreApplication::translate("Updater", "moved permanently");
        case 302:
            return QCoreApplication::translate("Updater", "found");
        case 304:
            return QCoreApplication::translate("Updater", "not modified");
        case 400:
            return QCoreApplication::translate("Updater", "bad request");
        case 401:
            return QCoreApplication::translate("Updater", "unauthorized");
        case 403:
            return QCoreApplication::translate("Updater", "forbidden");
        case 404:
            return QCoreApplication::translate("Updater", "not found");
        case 405:
            return QCoreApplication::translate("Updater", "method not allowed");
        case 408:
            return QCoreApplication::translate("Updater", "request timed out");
        case 410:
            return QCoreApplication::translate("Updater", "no longer exists");
        case 429:
            return QCoreApplication::translate("Updater", "too many requests");
        case 500:
            return QCoreApplication::translate("Updater", "internal server error");
        case 501:
            return QCoreApplication::translate("Updater", "unimplemented");
        case 502:
            return QCoreApplication::translate("Updater", "bad gateway");
        case 503:
            return QCoreApplication::translate("Updater", "service unavailable");
        case 504:
            return QCoreApplication::translate("Updater", "gateway timed out");
        default:
            break;
        }
        if (code >= 100 && code < 200) {
            return QCoreApplication::translate("Updater", "informational");
        }
        if (code >= 200 && code < 300) {
            return QCoreApplication::translate("Updater", "success");
        }
        if (code >= 300 && code < 400) {
            return QCoreApplication::translate("Updater", "redirected");
        }
        if (code >= 400 && code < 500) {
            return QCoreApplication::translate("Updater", "client error");
        }
        return QCoreApplication::translate("Updater", "server error");
    }

    QPromise<std::optional<QString>> m_promise;
    QFile m_file;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer m_stall;
    QTimer m_whole;
    const qint64 m_maxBytes;
    qint64 m_received = 0;
    bool m_settled = false;
};

} // namespace

QString tooLargeText()
{
    //: Install and Relaunch error, inside "Couldn't install the update (…)": the server sent more
    //: than the update's size.
    return QCoreApplication::translate("Updater", "The download is larger than expected.");
}

QString noSpaceText()
{
    //: Install and Relaunch error, inside "Couldn't install the update (…)".
    return QCoreApplication::translate("Updater", "There isn't enough free space for the update.");
}

QFuture<std::optional<QString>> download(const QUrl &from, const QString &to,
                                         std::chrono::milliseconds stallLimit,
                                         std::chrono::milliseconds totalLimit, qint64 maxBytes)
{
    auto *job = new Download(from, to, stallLimit, totalLimit, maxBytes);
    return job->future();
}

} // namespace UpdateDownload
