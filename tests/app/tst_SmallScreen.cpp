// The window on a 1280 × 720 screen, smaller than its first size: it opens
// wholly on the screen, can be made as small as the screen, and every screen
// and sheet keeps its main buttons where the user can reach them.

#include "ShellFixture.h"
#include "TranslationTexts.h"

#include "app/MainWindow.h"
#include "app/RootView.h"
#include "look/ThemeButton.h"

#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>

namespace {

// A primary button whose whole face shows, scrolled into view where the
// screen scrolls; empty when all are, else what is not.
QStringList hiddenPrimaryButtons(QWidget *top)
{
    QStringList hidden;
    QList<QPointer<ThemeButton>> buttons;
    for (ThemeButton *button : top->findChildren<ThemeButton *>()) {
        if (button->buttonStyle() == ThemeButton::Style::Primary && button->isVisibleTo(top)) {
            buttons << button;
        }
    }
    for (const QPointer<ThemeButton> &button : buttons) {
        if (!button) {
            continue;
        }
        // Where a screen scrolls, the user scrolls to the button first.
        for (QWidget *up = button->parentWidget(); up && up != top; up = up->parentWidget()) {
            if (auto *area = qobject_cast<QScrollArea *>(up)) {
                area->ensureWidgetVisible(button, 0, 0);
            }
        }
        QCoreApplication::processEvents();
        if (button && !(QRegion(button->rect()) - button->visibleRegion()).isEmpty()) {
            hidden << (button->objectName().isEmpty() ? button->text() : button->objectName());
        }
    }
    return hidden;
}

} // namespace

class TestSmallScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<OpenFile *>();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1280, 720));
    }

    void windowFitsAndEveryScreenIsUsable()
    {
        ShellFixture f;
        OpenFile *document = f.open({f.pdf(QStringLiteral("Quarterly.pdf"), 3)});
        QVERIFY(document);
        MainWindow window(f.model.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect free = window.screen()->availableGeometry();
        QVERIFY2(free.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3×%4")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
        QCOMPARE(window.width(), MainWindow::firstSize.width());
        QVERIFY(window.minimumHeight() <= free.height());

        const auto screens = TranslationTexts::everyScreen(f.model.get(), document);
        // At the window's size on this screen, and at the least size it allows.
        for (const QSize size : {window.size(), window.minimumSize()}) {
            window.resize(size);
            for (const auto &[name, show] : screens) {
                show();
                QCoreApplication::processEvents();
                const QString where = QStringLiteral("%1 at %2×%3")
                                          .arg(QLatin1String(name))
                                          .arg(size.width())
                                          .arg(size.height());
                QVERIFY2(free.contains(window.frameGeometry()), qPrintable(where));
                QStringList hidden = hiddenPrimaryButtons(&window);
                if (QDialog *modal = window.rootView()->currentModal();
                    modal && modal->isVisible()) {
                    QVERIFY2(free.contains(modal->frameGeometry()), qPrintable(where));
                    hidden << hiddenPrimaryButtons(modal);
                }
                QVERIFY2(hidden.isEmpty(), qPrintable(where + QStringLiteral(": ") +
                                                      hidden.join(QStringLiteral(", "))));
            }
        }
    }
};

// The offscreen platform with one screen of that size, made before the application.
int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 720,
                                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0) {
        qFatal("cannot write %s", qPrintable(config));
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SmallScreen.moc"
