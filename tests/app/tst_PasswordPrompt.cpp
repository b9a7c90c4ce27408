#include "ShellFixture.h"

#include "app/PasswordPrompt.h"
#include "look/Theme.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Answers
{
    QList<std::optional<QString>> received;
    PasswordPrompt::Answer callback()
    {
        return [this](std::optional<QString> answer) { received.append(std::move(answer)); };
    }
};

PasswordRequest request(const QString &fileName, bool wasWrong = false)
{
    return PasswordRequest{QUuid::createUuid(), fileName, wasWrong};
}

// Keys for plain ASCII, an input method's commit for the rest (emoji, accents),
// as the two roads text takes into a field.
void type(QWidget *field, const QString &text)
{
    bool ascii = true;
    for (const QChar c : text) {
        ascii = ascii && c.unicode() < 128;
    }
    if (ascii) {
        QTest::keyClicks(field, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

} // namespace

class TestPasswordPrompt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void wrongThenRightPasswordThroughTheModel()
    {
        ShellFixture f;
        const QString path = f.folder.filePath(QStringLiteral("Locked “Q3”.pdf"));
        QVERIFY(Fixtures::writeNumberedPdf(path, 2,
                                           Fixtures::Protection{QStringLiteral("s3cret 🔑"), {}}));
        const QFuture<void> opening = f.model->open({QUrl::fromLocalFile(path)});
        QTRY_VERIFY(f.model->passwordRequest().has_value());

        std::unique_ptr<PasswordPrompt> first(PasswordPrompt::forModel(f.model.get()));
        QVERIFY(first);
        QCOMPARE(first->findChild<QLabel *>("passwordTitle")->text(),
                 QStringLiteral("“Locked “Q3”.pdf” is locked"));
        first->show();
        type(first->findChild<QLineEdit *>("passwordField"), QStringLiteral("guess"));
        QTest::keyClick(first->findChild<QLineEdit *>("passwordField"), Qt::Key_Return);

        // The same file asks again, with the danger line and an empty field.
        QTRY_VERIFY(f.model->passwordRequest() &&
                    f.model->passwordRequest()->id != first->requestID());
        std::unique_ptr<PasswordPrompt> second(PasswordPrompt::forModel(f.model.get()));
        auto *explanation = second->findChild<QLabel *>("passwordExplanation");
        QCOMPARE(explanation->text(), QStringLiteral("That password didn't open it. Try again."));
        QCOMPARE(explanation->palette().color(QPalette::WindowText), Theme::danger());
        QVERIFY(second->findChild<QLineEdit *>("passwordField")->text().isEmpty());
        second->show();
        type(second->findChild<QLineEdit *>("passwordField"), QStringLiteral("s3cret 🔑"));
        QTest::mouseClick(second->findChild<QPushButton *>("openButton"), Qt::LeftButton);

        QVERIFY(TestUtil::waitFor(opening));
        QCOMPARE(f.model->files().size(), 1);
        QCOMPARE(f.model->files().first()->password(),
                 std::optional<QString>(QStringLiteral("s3cret 🔑")));
        QVERIFY(!f.model->passwordRequest());
    }

    void escapeGivesUpWithoutMessage()
    {
        ShellFixture f;
        const QString path = f.folder.filePath(QStringLiteral("locked.pdf"));
        QVERIFY(
            Fixtures::writeNumberedPdf(path, 1, Fixtures::Protection{QStringLiteral("pw"), {}}));
        const QFuture<void> opening = f.model->open({QUrl::fromLocalFile(path)});
        QTRY_VERIFY(f.model->passwordRequest().has_value());
        std::unique_ptr<PasswordPrompt> prompt(PasswordPrompt::forModel(f.model.get()));
        prompt->show();
        QTest::keyClick(prompt->findChild<QLineEdit *>("passwordField"), Qt::Key_Escape);
        QVERIFY(TestUtil::waitFor(opening));
        QVERIFY(f.model->files().isEmpty());
        QVERIFY(!f.model->errorMessage());
        QVERIFY(!f.model->passwordRequest());
    }

    void emptyFieldAnswersNothing()
    {
        Answers answers;
        PasswordPrompt prompt(request("a.pdf"), answers.callback());
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        auto *field = prompt.findChild<QLineEdit *>("passwordField");
        auto *open = prompt.findChild<QPushButton *>("openButton");
        QVERIFY(field && open);
        QVERIFY(!open->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QVERIFY(answers.received.isEmpty());
        QVERIFY(prompt.isVisible());

        QTest::keyClicks(field, "x");
        QVERIFY(open->isEnabled());
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!open->isEnabled());
    }

    void answersExactlyWhatWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::newRow("one character, Return") << QStringLiteral("x") << true;
        QTest::newRow("blanks are sent unchanged") << QStringLiteral("  ") << true;
        QTest::newRow("emoji and accents, Open button")
            << QStringLiteral("pässwörd 🔑🙂") << false;
        QTest::newRow("a thousand characters") << QString(1000, QLatin1Char('k')) << true;
    }

    void answersExactlyWhatWasTyped()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byReturn);
        Answers answers;
        PasswordPrompt prompt(request("a.pdf"), answers.callback());
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        auto *field = prompt.findChild<QLineEdit *>("passwordField");
        type(field, typed);
        QCOMPARE(field->text(), typed);
        if (byReturn) {
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            QTest::mouseClick(prompt.findChild<QPushButton *>("openButton"), Qt::LeftButton);
        }
        QCOMPARE(answers.received.size(), 1);
        QCOMPARE(answers.received.first(), std::optional<QString>(typed));
        QVERIFY(!prompt.isVisible());
    }

    void cancellingAnswersNothingOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("Cancel button") << QStringLiteral("cancel");
        QTest::newRow("window closed") << QStringLiteral("close");
    }

    void cancellingAnswersNothingOnce()
    {
        QFETCH(QString, how);
        Answers answers;
        PasswordPrompt prompt(request("a.pdf"), answers.callback());
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        auto *field = prompt.findChild<QLineEdit *>("passwordField");
        QTest::keyClicks(field, "typed but not sent");
        if (how == "escape") {
            QTest::keyClick(field, Qt::Key_Escape);
        } else if (how == "cancel") {
            QTest::mouseClick(prompt.findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        } else {
            prompt.close();
        }
        // A second dismissal must not resume the load a second time.
        prompt.reject();
        prompt.accept();
        QCOMPARE(answers.received.size(), 1);
        QCOMPARE(answers.received.first(), std::optional<QString>());
    }

    void explanationFollowsWrongAnswer_data()
    {
        QTest::addColumn<bool>("wasWrong");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QColor>("color");
        QTest::newRow("first question")
            << false
            << QStringLiteral("Enter its password to open it. The password stays on this computer.")
            << Theme::secondaryText();
        QTest::newRow("after a wrong password")
            << true << QStringLiteral("That password didn't open it. Try again.")
            << Theme::danger();
    }

    void explanationFollowsWrongAnswer()
    {
        QFETCH(bool, wasWrong);
        QFETCH(QString, line);
        QFETCH(QColor, color);
        Answers answers;
        PasswordPrompt prompt(request("a.pdf", wasWrong), answers.callback());
        auto *explanation = prompt.findChild<QLabel *>("passwordExplanation");
        QCOMPARE(explanation->text(), line);
        QCOMPARE(explanation->palette().color(QPalette::WindowText), color);
        QVERIFY(prompt.findChild<QLineEdit *>("passwordField")->text().isEmpty());
        QVERIFY(!prompt.findChild<QPushButton *>("openButton")->isEnabled());
    }

    void fileNameShownUnchanged_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("quotes and punctuation") << QStringLiteral("Q3 \"final\" (v2) – 50%.pdf");
        QTest::newRow("markup-like text") << QStringLiteral("<b>bold</b> & co.pdf");
        QTest::newRow("placeholder-like text") << QStringLiteral("%1 %2.pdf");
        QTest::newRow("chinese") << QStringLiteral("合同.pdf");
        QTest::newRow("long enough to wrap")
            << QStringLiteral("Quarterly statement of accounts for the holding company and all of "
                              "its subsidiaries.pdf");
    }

    void fileNameShownUnchanged()
    {
        QFETCH(QString, fileName);
        Answers answers;
        PasswordPrompt prompt(request(fileName), answers.callback());
        auto *title = prompt.findChild<QLabel *>("passwordTitle");
        QCOMPARE(title->text(), QStringLiteral("“") + fileName + QStringLiteral("” is locked"));
        QCOMPARE(title->textFormat(), Qt::PlainText);
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        QCOMPARE(prompt.width(), 420);
        QVERIFY(title->height() >= title->heightForWidth(title->width()));
    }
};

QTEST_MAIN(TestPasswordPrompt)
#include "tst_PasswordPrompt.moc"
