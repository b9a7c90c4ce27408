// The window in each language the program offers: every text a translation
// file knows is shown translated, and the translations keep what the program
// fills into them.

#include "ShellFixture.h"

#include "aboutviews/AppLanguage.h"
#include "app/MainWindow.h"
#include "app/RootView.h"

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
#include <QTextDocument>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace {

const QString translationsDir = QStringLiteral(TAMSEL_TRANSLATIONS_DIR);

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form; empty when untranslated
    bool finished = false;
};

QList<Message> readMessages(const QString &language)
{
    QFile file(QDir(translationsDir).filePath(QStringLiteral("tamsel_%1.ts").arg(language)));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.finished = type.isEmpty();
            // Either the text itself or one numerus form per plural form.
            QString text;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    message.translations << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (message.translations.isEmpty()) {
                message.translations << text;
            }
            message.translations.removeAll(QString());
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete")) {
                messages << message;
            }
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
    }
    return messages;
}

QString plain(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // "&Open" shows as "Open"; "&&" is a shown ampersand.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

const QRegularExpression placeholder(QStringLiteral("%L?(n|[1-9][0-9]?)"));

// A text as a pattern for what it becomes on screen, its placeholders filled
// with anything.
QRegularExpression shownAs(const QString &text)
{
    const QString shown = plain(text);
    QString pattern;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(shown); it.hasNext();) {
        const auto match = it.next();
        pattern += QRegularExpression::escape(shown.mid(at, match.capturedStart() - at)) + QStringLiteral(".+");
        at = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(shown.mid(at));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// Texts that are mostly placeholders say nothing about the language.
bool saysSomething(const QString &source)
{
    QString letters = plain(source);
    letters.remove(placeholder);
    return letters.count(QRegularExpression(QStringLiteral("\\p{L}"))) >= 3;
}

// Every text run painted into it.
class TextCatcher : public QPaintDevice
{
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QStringList *texts) : QPaintEngine(AllFeatures), m_texts(texts) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        // Everything but text is dropped (the defaults would call each other).
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
        void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawRects(const QRectF *, int) override {}
        void drawRects(const QRect *, int) override {}
        void drawLines(const QLineF *, int) override {}
        void drawLines(const QLine *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawEllipse(const QRect &) override {}
        void drawPoints(const QPointF *, int) override {}
        void drawPoints(const QPoint *, int) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { *m_texts << item.text(); }
        Type type() const override { return User; }

    private:
        QStringList *m_texts;
    };

public:
    explicit TextCatcher(QSize size) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QStringList texts;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDepth: return 32;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmWidthMM: return m_size.width() * 254 / 960;
        case PdmHeightMM: return m_size.height() * 254 / 960;
        case PdmNumColors: return INT_MAX;
        }
        return 0;
    }

private:
    QSize m_size;
    mutable Engine m_engine{&texts};
};

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
        for (const AppLanguage::Language &language : AppLanguage::languages()) {
            QTest::newRow(qPrintable(language.code)) << language.code;
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
                return std::any_of(m.translated.cbegin(), m.translated.cend(),
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
        AppModel *model = f.model.get();
        const auto sheet = [&](FileSheet::Kind kind) {
            return [=] {
                model->setDestination(Destination::file(document->id()));
                model->setSheet(FileSheet{kind, document->id()});
            };
        };
        const auto panel = [&](SupportPrompt prompt) {
            return [=] {
                model->setSheet(std::nullopt);
                model->setSupport(prompt);
            };
        };
        const QList<std::pair<const char *, std::function<void()>>> screens{
            {"home", [=] { model->setDestination(Destination::home()); }},
            {"document", [=] { model->setDestination(Destination::file(document->id())); }},
            {"compress", sheet(FileSheet::Kind::Compress)},
            {"split", sheet(FileSheet::Kind::Split)},
            {"password", sheet(FileSheet::Kind::Password)},
            {"export", sheet(FileSheet::Kind::ExportImages)},
            {"support", panel(SupportPrompt::Manual)},
            {"tell a friend", panel(SupportPrompt::TellAFriend)},
            {"merge", [=] {
                 model->setSupport(std::nullopt);
                 model->setDestination(Destination::merge());
             }},
            {"stamps", [=] { model->setDestination(Destination::stamps()); }},
            {"codes", [=] { model->setDestination(Destination::codes()); }},
            {"about", [=] { model->setDestination(Destination::about()); }},
        };
        for (const auto &[screen, show] : screens) {
            show();
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::processEvents();
            }
            const QStringList texts = shownTexts(window);
            QVERIFY2(texts.size() > 3, screen);
            for (const QString &text : texts) {
                const bool english = std::any_of(messages.cbegin(), messages.cend(), [&](const Shown &m) {
                    return m.english.match(text).hasMatch();
                });
                if (english && !isTranslation(text)) {
                    leftInEnglish << QStringLiteral("%1: “%2”").arg(QLatin1String(screen), text);
                }
            }
        }
        leftInEnglish.removeDuplicates();
        QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(QLatin1Char('\n'))));
        // Qt's own buttons in stock dialogs speak the language too, where Qt has it.
        if (code == QLatin1String("de")) {
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        } else if (code == QLatin1String("zh-Hans")) {
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        }
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
                        faults << QStringLiteral("%1 %2 “%3”: “%4”").arg(file, message.context, message.source, translation);
                    }
                    QString mnemonics = translation;
                    mnemonics.remove(QLatin1String("&&"));
                    if (mnemonics.count(QLatin1Char('&')) > 1
                        || (message.source.contains(QLatin1String("Tamsel")) && !translation.contains(QLatin1String("Tamsel")))) {
                        faults << QStringLiteral("%1 %2 “%3”: “%4”").arg(file, message.context, message.source, translation);
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
