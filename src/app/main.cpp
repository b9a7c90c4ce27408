#include "app/DialogFilePanels.h"
#include "app/InstanceChannel.h"
#include "app/MainWindow.h"
#include "app/Theme.h"
#include "model/AppModel.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamsel"));
    QApplication::setOrganizationName(QStringLiteral("Tamsel"));
    QApplication::setDesktopFileName(QStringLiteral("tamsel"));
    // The window closes only through the quit questions, which end the program themselves.
    QApplication::setQuitOnLastWindowClosed(false);

    const QList<QUrl> urls = InstanceChannel::urlsFromArguments(app.arguments().mid(1), QDir::currentPath());
    InstanceChannel channel(QStringLiteral("tamsel-") + qEnvironmentVariable("USER", QStringLiteral("user")));
    if (channel.sendToRunning(urls)) {
        return 0;
    }
    channel.listen();

    Theme::apply(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tamsel/brand-logo.svg")));

    DialogFilePanels panels;
    AppModel model(nullptr);
    model.setPanels(&panels);
    MainWindow window(&model);
    panels.setWindow(&window);
    QObject::connect(&channel, &InstanceChannel::filesReceived, &window, [&model, &window](const QList<QUrl> &received) {
        window.raise();
        window.activateWindow();
        model.open(received);
    });
    window.show();
    if (!urls.isEmpty()) {
        // After the window shows, so a password question has a window to sit on.
        QTimer::singleShot(0, &model, [&model, urls] { model.open(urls); });
    }
    return app.exec();
}
