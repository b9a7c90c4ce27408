#include "aboutviews/AppLanguage.h"
#include "app/InstanceChannel.h"
#include "app/TamselApp.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamsel"));
    QApplication::setOrganizationName(QStringLiteral("Tamsel"));
    QApplication::setDesktopFileName(QStringLiteral("tamsel"));
    // The window closes only through the quit questions, which end the program themselves.
    QApplication::setQuitOnLastWindowClosed(false);

    // Before anything shows, and before a relaunched copy looks for the running one.
    AppLanguage::install(app);
    TamselApp tamsel({app.arguments().mid(1), QDir::currentPath(),
                      InstanceChannel::socketPath(QProcessEnvironment::systemEnvironment()),
                      std::nullopt});
    QObject::connect(&tamsel, &TamselApp::quitConfirmed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!tamsel.start()) {
        return 0; // the running Tamsel took the files
    }
    return app.exec();
}
