#include "aboutviews/Sharing.h"
#include "aboutviews/TellAFriendView.h"

#include "AboutFixture.h"
#include "about/UpdateChecker.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

class TestTellAFriendView : public QObject
{
    Q_OBJECT

    template<typename T> static T *child(QWidget &view, const char *name)
    {
        auto *found = view.findChild<T *>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no %s", name);
        }
        return found;
    }

    static QString friendState()
    {
        return QSettings().value(QStringLiteral("friend.state")).toString();
    }

private slots:
    void initTestCase() { AboutFixture::setUpApplication(); }

    // As the model leaves it when it offers the panel.
    void init() { QSettings().setValue(QStringLiteral("friend.state"), QStringLiteral("later")); }

    void aFreshPanelShowsTheMessageAndThePage()
    {
        AboutFixture f;
        TellAFriendView view(f.model.get());
        const QString page = UpdateChecker::pageURL().toString();
        // The Linux build's own folder on the site: the other platform's feed
        // offers archives this build cannot install.
        QCOMPARE(UpdateChecker::pageURL().path(), QStringLiteral("/tamsel-linux/"));
        QCOMPARE(UpdateChecker::feedURL().path(), QStringLiteral("/tamsel-linux/version.json"));
        QCOMPARE(TellAFriendView::sharedText(), TellAFriendView::message() + " " + page);
        QVERIFY(TellAFriendView::message().startsWith(QStringLiteral("Tamsel for Linux: ")));
        QCOMPARE(child<QLabel>(view, "sharedText")->text(), TellAFriendView::sharedText());
        QCOMPARE(child<QPushButton>(view, "shareButton")->text(), QStringLiteral("Share…"));
        QCOMPARE(child<QPushButton>(view, "copyButton")->text(), QStringLiteral("Copy Message"));
        QCOMPARE(child<QPushButton>(view, "closeButton")->text(), QStringLiteral("Not Now"));
    }

    void copyingAnswersTheRequest()
    {
        AboutFixture f;
        TellAFriendView view(f.model.get());
        QTest::mouseClick(child<QPushButton>(view, "copyButton"), Qt::LeftButton);
        QCOMPARE(f.clipboard.copiedTexts, QList<QString>{TellAFriendView::sharedText()});
        QCOMPARE(child<QPushButton>(view, "copyButton")->text(), QStringLiteral("Copied"));
        QCOMPARE(child<QPushButton>(view, "closeButton")->text(), QStringLiteral("Done"));
        QCOMPARE(friendState(), QStringLiteral("done"));
        QVERIFY(f.model->toast());
    }

    void sharingAnswersOnTheTapWhateverFollows_data()
    {
        QTest::addColumn<QString>("choice"); // empty: the menu is dismissed
        QTest::newRow("dismissed") << "";
        QTest::newRow("mail draft") << "shareByEmail";
        QTest::newRow("copy link") << "shareCopyLink";
    }

    void sharingAnswersOnTheTapWhateverFollows()
    {
        QFETCH(QString, choice);
        AboutFixture f;
        TellAFriendView view(f.model.get());
        view.setUrlOpener(&f.opener);
        view.show();
        QTest::mouseClick(child<QPushButton>(view, "shareButton"), Qt::LeftButton);
        QCOMPARE(friendState(), QStringLiteral("done"));
        QCOMPARE(child<QPushButton>(view, "closeButton")->text(), QStringLiteral("Done"));
        QCOMPARE(child<QPushButton>(view, "copyButton")->text(), QStringLiteral("Copy Message"));

        auto *menu = view.findChild<QMenu *>(QStringLiteral("shareMenu"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        if (choice.isEmpty()) {
            menu->close();
            QVERIFY(f.opener.opened.isEmpty());
            QVERIFY(f.clipboard.copiedTexts.isEmpty());
            return;
        }
        auto *action = menu->findChild<QAction *>(choice);
        QVERIFY(action);
        action->trigger();
        if (choice == QLatin1String("shareByEmail")) {
            QCOMPARE(f.opener.opened.size(), 1);
            const QUrl draft = f.opener.opened.first();
            QCOMPARE(draft.scheme(), QStringLiteral("mailto"));
            QCOMPARE(QUrlQuery(draft).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                     TellAFriendView::sharedText());
        } else {
            QCOMPARE(f.clipboard.copiedTexts, QList<QString>{UpdateChecker::pageURL().toString()});
        }
    }

    void closingRecordsNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Not Now") << false;
        QTest::newRow("Escape") << true;
    }

    void closingRecordsNothing()
    {
        QFETCH(bool, escape);
        AboutFixture f;
        TellAFriendView view(f.model.get());
        QSignalSpy finished(&view, &QDialog::finished);
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        if (escape) {
            QTest::keyClick(&view, Qt::Key_Escape);
        } else {
            QTest::mouseClick(child<QPushButton>(view, "closeButton"), Qt::LeftButton);
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(friendState(), QStringLiteral("later"));
        QVERIFY(f.clipboard.copiedTexts.isEmpty());
    }

    void returnPressesNothing()
    {
        AboutFixture f;
        TellAFriendView view(f.model.get());
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        child<QPushButton>(view, "copyButton")->setFocus();
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(view.isVisible());
        QVERIFY(f.clipboard.copiedTexts.isEmpty());
        QCOMPARE(friendState(), QStringLiteral("later"));
    }

    void mailDraftKeepsTheBodyAsWritten_data()
    {
        QTest::addColumn<QString>("body");
        QTest::newRow("spaces and a link") << "Try this: https://example.org/a?b=c&d=e";
        QTest::newRow("plus signs and ampersands") << "1+1 & more #hash %20";
        QTest::newRow("non-ASCII") << "Grüße aus Köln – 東京";
    }

    void mailDraftKeepsTheBodyAsWritten()
    {
        QFETCH(QString, body);
        const QUrl draft = Sharing::mailDraft(body);
        QVERIFY(draft.isValid());
        QCOMPARE(draft.path(), QString());
        const QByteArray encoded = draft.toEncoded();
        QVERIFY2(!encoded.contains('+') && !encoded.contains(' '), encoded.constData());
        const QUrlQuery query(draft);
        QCOMPARE(query.queryItems().size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
    }
};

QTEST_MAIN(TestTellAFriendView)
#include "tst_TellAFriendView.moc"
