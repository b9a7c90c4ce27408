#include "app/TamselApp.h"

#include "app/DialogFilePanels.h"
#include "app/InstanceChannel.h"
#include "app/MainWindow.h"
#include "engine/PDFEngine.h"
#include "look/Theme.h"

#include <QApplication>
#include <QIcon>

#include <QTimer>

TamselApp::TamselApp(Options options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
{}

TamselApp::~TamselApp() = default;

bool TamselApp::start()
{
    const QList<QUrl> urls =
        InstanceChannel::urlsFromArguments(m_options.arguments, m_options.workingFolder);
    m_channel = new InstanceChannel(m_options.channelName, this);
    if (m_channel->sendToRunning(urls)) {
        return false;
    }
    m_channel->listen();
    // Only now: a launch that hands its files over should end quickly.
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        Theme::apply(*app);
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/tamsel/brand-logo.svg")));
    }
    // They wait for the model, which is ready once the window shows.
    m_delegate.openFiles(urls);

    if (m_options.services) {
        m_model = std::make_unique<AppModel>(*m_options.services);
    } else {
        m_model = std::make_unique<AppModel>(nullptr);
    }
    if (!m_options.services || !m_options.services->panels) {
        m_panels = std::make_unique<DialogFilePanels>();
        m_model->setPanels(m_panels.get());
    }
    m_window = std::make_unique<MainWindow>(m_model.get());
    if (m_panels) {
        m_panels->setWindow(m_window.get());
    }
    connect(m_window.get(), &MainWindow::quitConfirmed, this, &TamselApp::quitConfirmed);
    connect(m_channel, &InstanceChannel::filesReceived, this, [this](const QList<QUrl> &received) {
        m_window->raise();
        m_window->activateWindow();
        m_delegate.openFiles(received);
    });
    m_window->show();
    // After the window shows, so that a password question has a window to sit on.
    QTimer::singleShot(0, this, [this] {
        m_delegate.setModel(m_model.get());
        if (!m_options.services) {
            // While the user picks a file: the first one opened then waits for
            // no worker to start.
            PDFEngine::shared().startWorkers();
        }
    });
    return true;
}
