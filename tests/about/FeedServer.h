#pragma once

// A small HTTPS server on 127.0.0.1 that serves one update feed, with a certificate
// the tests trust explicitly. It counts the requests and keeps their headers.

#include "about/UpdateChecker.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>

class FeedServer
{
public:
    enum class Behaviour { Answer, Silent };

    FeedServer()
    {
        const QString data = qEnvironmentVariable("TAMSEL_TEST_DATA") + "/about/";
        m_certificate = QSslCertificate::fromPath(data + "loopback.crt").value(0);
        QFile keyFile(data + "loopback.key");
        if (keyFile.open(QIODevice::ReadOnly)) {
            m_key = QSslKey(&keyFile, QSsl::Rsa);
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

    bool isReady() const { return m_server.isListening() && !m_certificate.isNull() && !m_key.isNull(); }

    QUrl feedURL() const { return QUrl(QStringLiteral("https://127.0.0.1:%1/tamsel-mac/version.json").arg(m_server.serverPort())); }

    // Points the update check here; `trusted` false leaves the certificate unknown.
    UpdateChecker::Endpoint endpoint(bool trusted = true, int timeoutMs = 15000) const
    {
        return UpdateChecker::Endpoint{feedURL(), trusted ? QList<QSslCertificate>{m_certificate} : QList<QSslCertificate>{},
                                       timeoutMs};
    }

    void setAnswer(int status, QByteArray body)
    {
        m_status = status;
        m_body = std::move(body);
    }
    void setBehaviour(Behaviour behaviour) { m_behaviour = behaviour; }

    int requests() const { return m_requests.size(); }
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
            m_requests.append(head->left(head->indexOf("\r\n\r\n")));
            head->clear();
            if (m_behaviour == Behaviour::Silent) {
                return;
            }
            // A cookie and a long cache lifetime that a careful client ignores.
            socket->write(QStringLiteral("HTTP/1.1 %1 Answer\r\n"
                                         "Content-Type: application/json\r\n"
                                         "Content-Length: %2\r\n"
                                         "Cache-Control: max-age=3600\r\n"
                                         "Set-Cookie: visitor=42; Path=/\r\n"
                                         "Connection: close\r\n\r\n")
                              .arg(m_status)
                              .arg(m_body.size())
                              .toLatin1());
            socket->write(m_body);
            socket->disconnectFromHost();
        });
    }

    QSslServer m_server;
    QSslCertificate m_certificate;
    QSslKey m_key;
    Behaviour m_behaviour = Behaviour::Answer;
    int m_status = 200;
    QByteArray m_body;
    QList<QByteArray> m_requests;
};
