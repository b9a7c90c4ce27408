// Every screen, sheet and panel laid out in every language at the window's
// first size: no text is cut off. A label or button must be as large as its
// text asks, and nothing paints a text shortened with an ellipsis unless the
// whole text is in its tooltip.

#include "ShellFixture.h"
#include "TranslationTexts.h"

#include "aboutviews/AppLanguage.h"
#include "app/MainWindow.h"
#include "app/PasswordPrompt.h"
#include "app/RootView.h"
#include "helpers/TestShard.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace TranslationTexts;

namespace {

const QChar ellipsis(0x2026);

// What of `top` shows a text cut off, each as "what: text".
QStringList cutOff(QWidget *top, const QStringList &withEllipsis)
{
    QStringList found;
    const auto name = [](const QWidget *w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top) || w->width() <= 0 || w->height() <= 0 ||
            w->isWindow() != (w == top)) {
            continue;
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const bool shortens = label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            if (!label->text().isEmpty() && !shortens) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                const bool tooNarrow =
                    !label->wordWrap() && label->sizeHint().width() > label->width() + 1;
                if (tooNarrow || needed > label->height() + 1) {
                    found << QStringLiteral("%1 (%2×%3, needs %4×%5): %6")
                                 .arg(name(label))
                                 .arg(label->width())
                                 .arg(label->height())
                                 .arg(label->sizeHint().width())
                                 .arg(needed)
                                 .arg(plain(label->text()));
                }
            }
        } else if (qobject_cast<QPushButton *>(w) || qobject_cast<QCheckBox *>(w) ||
                   qobject_cast<QRadioButton *>(w)) {
            auto *button = static_cast<QAbstractButton *>(w);
            if (!button->text().isEmpty() && button->sizeHint().width() > button->width() + 1) {
                found << QStringLiteral("%1 (%2 wide, needs %3): %4")
                             .arg(name(button))
                             .arg(button->width())
                             .arg(button->sizeHint().width())
                             .arg(plain(button->text()));
            }
        }
        // What the widget paints itself, its children apart.
        TextCatcher catcher(w->size());
        w->render(&catcher, QPoint(), QRegion(), QWidget::RenderFlags());
        for (const QString &painted : catcher.texts) {
            const QString text = painted.simplified();
            if (!text.contains(ellipsis)) {
                continue;
            }
            const bool meant =
                std::any_of(withEllipsis.cbegin(), withEllipsis.cend(),
                            [&](const QString &known) { return known.contains(text); });
            QString kept = text;
            kept.remove(ellipsis);
            const bool inTooltip =
                !w->toolTip().isEmpty() && plain(w->toolTip()).startsWith(kept.trimmed());
            if (!meant && !inTooltip) {
                found << QStringLiteral("%1 paints: %2").arg(name(w), text);
            }
        }
    }
    return found;
}

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<OpenFile *>();
    }

    void cleanupTestCase() { AppLanguage::installTranslations(*qApp, QStringLiteral("en")); }

    // The finder itself: a squeezed label, a squeezed button and a text
    // painted shortened are each found; the same with room are not.
    void cutOffTextsAreFound()
    {
        QWidget top;
        top.setObjectName(QStringLiteral("top"));
        auto *label = new QLabel(QStringLiteral("A label longer than its room"), &top);
        auto *button = new QPushButton(QStringLiteral("A button longer than its room"), &top);
        auto *painted = new QLabel(&top);
        painted->setText(painted->fontMetrics().elidedText(
            QStringLiteral("A painted text cut short"), Qt::ElideRight, 60));
        label->setGeometry(0, 0, 40, 30);
        button->setGeometry(0, 40, 40, 30);
        painted->setGeometry(0, 80, 200, 30);
        top.resize(300, 120);
        top.show();
        QCOMPARE(cutOff(&top, {}).size(), 3);
        label->resize(label->sizeHint());
        button->resize(button->sizeHint());
        painted->setText(QStringLiteral("Save As…"));
        QCOMPARE(cutOff(&top, {QStringLiteral("Save As…")}), QStringList());
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("code");
        const QList<AppLanguage::Language> &languages = AppLanguage::languages();
        for (int i = 0; i < languages.size(); ++i) {
            if (TestShard::mine(i)) {
                QTest::newRow(qPrintable(languages[i].code)) << languages[i].code;
            }
        }
    }

    void everyTextFits()
    {
        QFETCH(QString, code);
        QVERIFY(AppLanguage::installTranslations(*qApp, code));
        // Texts that carry an ellipsis of their own ("Save As…", "Saving…").
        QString file = code;
        file.replace(QLatin1Char('-'), QLatin1Char('_'));
        QStringList withEllipsis;
        for (const Message &message : readMessages(file)) {
            const QStringList texts = QStringList(message.translations) << message.source;
            for (const QString &text : texts) {
                if (text.contains(ellipsis)) {
                    withEllipsis << plain(text);
                }
            }
        }

        ShellFixture f;
        OpenFile *document = f.open({f.pdf(QStringLiteral("Quarterly.pdf"), 3)});
        QVERIFY(document);
        // The longest status line the document screen shows for it.
        QSet<QUuid> all;
        for (const PageItem &page : document->pages()) {
            all.insert(page.id);
        }
        document->setSelection(all);
        document->setEdited(true);
        MainWindow window(f.model.get());
        window.resize(MainWindow::firstSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList faults;
        for (const auto &[screen, show] : everyScreen(f.model.get(), document)) {
            show();
            // Laid out as the user sees it: what changed has been placed.
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            }
            for (const QString &fault : cutOff(&window, withEllipsis)) {
                faults << QStringLiteral("%1: %2").arg(QLatin1String(screen), fault);
            }
            if (QDialog *modal = window.rootView()->currentModal(); modal && modal->isVisible()) {
                for (const QString &fault : cutOff(modal, withEllipsis)) {
                    faults << QStringLiteral("%1: %2").arg(QLatin1String(screen), fault);
                }
            }
        }
        for (const bool wasWrong : {false, true}) {
            PasswordPrompt prompt(
                PasswordRequest{QUuid::createUuid(), QStringLiteral("Quarterly.pdf"), wasWrong},
                [](std::optional<QString>) {});
            prompt.show();
            QVERIFY(QTest::qWaitForWindowExposed(&prompt));
            for (const QString &fault : cutOff(&prompt, withEllipsis)) {
                faults << QStringLiteral("password prompt: %1").arg(fault);
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTextsFit)
#include "tst_TextsFit.moc"
