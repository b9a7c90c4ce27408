#pragma once

// A small HTTPS server on 127.0.0.1 that serves one update feed (and, by path, other
// answers such as an update archive), with a certificate the tests trust
// explicitly. It counts the requests and keeps their headers.

#include "about/UpdateChecker.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>

#include <map>

class FeedServer
{
public:
    enum class Behaviour { Answer, Silent };

    struct Answer
    {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::Answer;
        QByteArray location = {}; // sent as the Location header when not empty
        bool withLength = true; // false: no Content-Length, the body ends when the connection does
    };

    // With the certificate and key of tests/data/about.
    FeedServer()
        : FeedServer(qEnvironmentVariable("TAMSEL_TEST_DATA") + "/about/loopback.crt",
                     qEnvironmentVariable("TAMSEL_TEST_DATA") + "/about/loopback.key", QSsl::Rsa)
    {}

    FeedServer(const QString &certificatePath, const QString &keyPath, QSsl::KeyAlgorithm algorithm)
    {
        m_certificate = QSslCertificate::fromPath(certificatePath).value(0);
        QFile keyFile(keyPath);
        if (keyFile.open(QIODevice::ReadOnly)) {
            m_key = QSslKey(&keyFile, algorithm);
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(m_certificate);
        configuration.setPrivateKey(m_key);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_server.setSslConfiguration(configuration);
        QObject::connect(&m_server, &QTcpServer::pendingConnectionAvailable, &m_server, [this] {
            while (auto *socket = qobject_cast<QSslSocket *>(m_server.nextPendingConnection())) {
                serve(socket);
            }
        });
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    bool isReady() const
    {
        return m_server.isListening() && !m_certificate.isNull() && !m_key.isNull();
    }

    QUrl feedURL() const
    {
        return QUrl(QStringLiteral("https://127.0.0.1:%1/tamsel-linux/version.json")
                        .arg(m_server.serverPort()));
    }

    // Points the update check here; `trusted` false leaves the certificate unknown.
    UpdateChecker::Endpoint endpoint(bool trusted = true, int timeoutMs = 15000) const
    {
        return UpdateChecker::Endpoint{
            feedURL(), trusted ? QList<QSslCertificate>{m_certificate} : QList<QSslCertificate>{},
            timeoutMs};
    }

    void setAnswer(int status, QByteArray body)
    {
        m_status = status;
        m_body = std::move(body);
    }
    void setBehaviour(Behaviour behaviour) { m_behaviour = behaviour; }
    // What a GET of `path` is answered with, in place of the feed's answer.
    void setRoute(const QByteArray &path, Answer answer) { m_routes[path] = std::move(answer); }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    const QSslCertificate &certificate() const { return m_certificate; }

    int requests() const { return m_requests.size(); }
    // Requests left unanswered whose client has not given up on them yet.
    int unanswered() const { return m_unanswered; }
    const QList<QByteArray> &requestHeads() const { return m_requests; }

private:
    void serve(QSslSocket *socket)
    {
        socket->setParent(&m_server);
        auto head = std::make_shared<QByteArray>();
        QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket, head] {
            head->append(socket->readAll());
            if (!head->contains("\r\n\r\n")) {
                return;
            }
            const QByteArray request = head->left(head->indexOf("\r\n\r\n"));
            m_requests.append(request);
            head->clear();
            const QByteArray path = request.split(' ').value(1);
            const auto route = m_routes.find(path);
            const Answer answer =
                route != m_routes.end() ? route->second : Answer{m_status, m_body, m_behaviour};
            if (answer.behaviour == Behaviour::Silent) {
                ++m_unanswered;
                QObject::connect(
                    socket, &QSslSocket::disconnected, socket, [this] { --m_unanswered; },
                    Qt::SingleShotConnection);
                return;
            }
            // A cookie and a long cache lifetime that a careful client ignores.
            QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) +
                              " Answer\r\n"
                              "Content-Type: application/json\r\n"
                              "Cache-Control: max-age=3600\r\n"
                              "Set-Cookie: visitor=42; Path=/\r\n"
                              "Connection: close\r\n";
            if (answer.withLength) {
                head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
            }
            if (!answer.location.isEmpty()) {
                head += "Location: " + answer.location + "\r\n";
            }
            socket->write(head + "\r\n");
            socket->write(answer.body);
            socket->disconnectFromHost();
        });
    }

    QSslServer m_server;
    QSslCertificate m_certificate;
    QSslKey m_key;
    Behaviour m_behaviour = Behaviour::Answer;
    int m_unanswered = 0;
    int m_status = 200;
    QByteArray m_body;
    QList<QByteArray> m_requests;
    std::map<QByteArray, Answer> m_routes;
};
