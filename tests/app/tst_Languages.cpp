// The window in each language the program offers: every text a translation
// file knows is shown translated, and the translations keep what the program
// fills into them.

#include "ShellFixture.h"
#include "TranslationTexts.h"

#include "aboutviews/AppLanguage.h"
#include "app/MainWindow.h"
#include "app/RootView.h"
#include "engine/PDFEngine.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestShard.h"
#include "helpers/TestUtil.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUuid>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

using namespace TranslationTexts;

namespace {

void addMenuTexts(const QList<QAction *> &actions, QStringList &texts)
{
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        texts << action->text();
        if (QMenu *menu = action->menu()) {
            addMenuTexts(menu->actions(), texts);
        }
    }
}

// What a user reads on the window now: its title, menus, and the texts of
// every shown widget, painted or held.
QStringList shownTexts(MainWindow &window)
{
    QStringList texts{window.windowTitle()};
    addMenuTexts(window.menuBar()->actions(), texts);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            texts << label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            texts << button->text() << button->toolTip();
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            texts << edit->placeholderText();
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        }
    }
    TextCatcher catcher(window.size());
    window.render(&catcher);
    texts << catcher.texts;
    // A sheet or panel over the window is a window of its own.
    if (QDialog *modal = window.rootView()->currentModal(); modal && modal->isVisible()) {
        TextCatcher sheet(modal->size());
        modal->render(&sheet);
        texts << modal->windowTitle() << sheet.texts;
    }
    for (QString &text : texts) {
        text = plain(text);
    }
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<OpenFile *>();
    }

    void cleanupTestCase() { AppLanguage::installTranslations(*qApp, QStringLiteral("en")); }

    void nothingLeftInEnglish_data()
    {
        QTest::addColumn<QString>("code");
        const QList<AppLanguage::Language> &languages = AppLanguage::languages();
        for (int i = 0; i < languages.size(); ++i) {
            if (TestShard::mine(i)) {
                QTest::newRow(qPrintable(languages[i].code)) << languages[i].code;
            }
        }
    }

    void nothingLeftInEnglish()
    {
        QFETCH(QString, code);
        QVERIFY(AppLanguage::installTranslations(*qApp, code));

        // Each text as English shows it, and as this language may show it: a
        // translation can keep the English words (names of products and formats,
        // or a plural form that is spelt alike).
        QString file = code;
        file.replace(QLatin1Char('-'), QLatin1Char('_'));
        struct Shown
        {
            QRegularExpression english;
            QList<QRegularExpression> translated;
        };
        QList<Shown> messages;
        if (code != QLatin1String("en")) {
            for (const Message &message : readMessages(file)) {
                if (saysSomething(message.source)) {
                    Shown shown{shownAs(message.source), {}};
                    for (const QString &translation : message.translations) {
                        shown.translated << shownAs(translation);
                    }
                    messages << shown;
                }
            }
        }
        const auto isTranslation = [&](const QString &text) {
            return std::any_of(messages.cbegin(), messages.cend(), [&](const Shown &m) {
                return std::any_of(
                    m.translated.cbegin(), m.translated.cend(),
                    [&](const QRegularExpression &p) { return p.match(text).hasMatch(); });
            });
        };

        ShellFixture f;
        OpenFile *document = f.open({f.pdf(QStringLiteral("Quarterly.pdf"), 3)});
        QVERIFY(document);
        MainWindow window(f.model.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList leftInEnglish;
        const auto screens = TranslationTexts::everyScreen(f.model.get(), document);
        for (const auto &[screen, show] : screens) {
            show();
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::processEvents();
            }
            const QStringList texts = shownTexts(window);
            QVERIFY2(texts.size() > 3, screen);
            for (const QString &text : texts) {
                const bool english =
                    std::any_of(messages.cbegin(), messages.cend(),
                                [&](const Shown &m) { return m.english.match(text).hasMatch(); });
                if (english && !isTranslation(text)) {
                    leftInEnglish << QStringLiteral("%1: “%2”").arg(QLatin1String(screen), text);
                }
            }
        }
        leftInEnglish.removeDuplicates();
        QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(QLatin1Char('\n'))));
        // Qt's own buttons in stock dialogs speak the language too, where Qt has it.
        if (code == QLatin1String("de")) {
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     QStringLiteral("Abbrechen"));
        } else if (code == QLatin1String("zh-Hans")) {
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     QStringLiteral("取消"));
        }
    }

    // Workers send a failure's code only and the program words it, so a failure
    // met in a worker reads wholly in the user's language.
    void workerFailuresSpeakTheLanguage()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("poster.pdf"));
        QVERIFY(Fixtures::writePdf(file, {{{14400, 14400}, 0, {}}}));
        const QUrl url = QUrl::fromLocalFile(file);
        PDFEngine engine;
        QCOMPARE(TestUtil::await(engine.open(url, std::nullopt)).status,
                 PDFEngine::OpenStatus::Opened);
        const BuildPlan plan{
            {PageItem{QUuid::createUuid(), PageSource{url, 0}, 0, {}}}, {}, std::nullopt, {}};

        QVERIFY(AppLanguage::installTranslations(*qApp, QStringLiteral("de")));
        const auto pictures = TestUtil::await(engine.pictures(plan, 300, false, {}));
        QVERIFY(AppLanguage::installTranslations(*qApp, QStringLiteral("en")));
        QVERIFY(!pictures.ok());
        QCOMPARE(pictures.error().code, int(PDFEngine::EngineError::TooLarge));
        QCOMPARE(pictures.error().message,
                 QStringLiteral("Eine Seite ist für ein Bild in dieser Auflösung zu groß. Wähle "
                                "eine niedrigere Auflösung."));
    }

    // A translation that lost a placeholder would show a number or name nowhere,
    // or the raw "%1"; one that keeps a mnemonic twice confuses the keyboard.
    void translationsKeepWhatIsFilledIn()
    {
        QStringList faults;
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                found << it.next().captured(1);
            }
            found.removeDuplicates();
            found.sort();
            return found;
        };
        for (const AppLanguage::Language &language : AppLanguage::languages()) {
            QString file = language.code;
            file.replace(QLatin1Char('-'), QLatin1Char('_'));
            for (const Message &message : readMessages(file)) {
                QStringList expected = placeholders(message.source);
                for (const QString &translation : message.translations) {
                    QStringList got = placeholders(translation);
                    if (placeholders(translation) != expected) {
                        faults << QStringLiteral("%1 %2 “%3”: “%4”")
                                      .arg(file, message.context, message.source, translation);
                    }
                    QString mnemonics = translation;
                    mnemonics.remove(QLatin1String("&&"));
                    if (mnemonics.count(QLatin1Char('&')) > 1 ||
                        (message.source.contains(QLatin1String("Tamsel")) &&
                         !translation.contains(QLatin1String("Tamsel")))) {
                        faults << QStringLiteral("%1 %2 “%3”: “%4”")
                                      .arg(file, message.context, message.source, translation);
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
