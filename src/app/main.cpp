#include "app/Theme.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamsel"));
    QApplication::setOrganizationName(QStringLiteral("Tamsel"));
    Theme::apply(app);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tamsel"));
    window.setMinimumSize(1000, 660);
    window.show();
    return app.exec();
}
