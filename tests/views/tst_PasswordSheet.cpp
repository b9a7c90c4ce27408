#include "views/PasswordSheet.h"

#include "app/ShellFixture.h"
#include "helpers/OutputFixtures.h"
#include "look/ThemeButton.h"

#include <poppler-qt6.h>

#include <QLabel>
#include <QLineEdit>

class TestPasswordSheet : public QObject
{
    Q_OBJECT

private:
    // Opens a PDF locked with `password`, answering the model's question.
    static OpenFile *openLocked(ShellFixture &shell, const QString &name, const QString &password)
    {
        const QString path = shell.folder.filePath(name);
        if (!Fixtures::writeNumberedPdf(path, 2, Fixtures::Protection{password, {}})) {
            return nullptr;
        }
        QObject::connect(shell.model.get(), &AppModel::passwordRequestChanged, shell.model.get(),
                         [&shell, password] {
                             if (shell.model->passwordRequest()) {
                                 shell.model->answerPassword(password);
                             }
                         });
        return shell.open({QUrl::fromLocalFile(path)});
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    void saveNeedsTheSamePasswordTwice_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("mismatchShown");
        QTest::newRow("nothing typed") << ""
                                       << "" << false << false;
        QTest::newRow("first field only") << "secret"
                                          << "" << false << false;
        QTest::newRow("same text twice") << "secret"
                                         << "secret" << true << false;
        QTest::newRow("different texts") << "secret"
                                         << "secreT" << false << true;
        QTest::newRow("second field only") << ""
                                           << "secret" << false << true;
        QTest::newRow("a single space") << " "
                                        << " " << true << false;
        QTest::newRow("trailing space differs") << "secret"
                                                << "secret " << false << true;
    }

    void saveNeedsTheSamePasswordTwice()
    {
        QFETCH(QString, password);
        QFETCH(QString, repeated);
        QFETCH(bool, enabled);
        QFETCH(bool, mismatchShown);
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Contract.pdf")});
        PasswordSheet sheet(shell.model.get(), file);
        sheet.show();
        sheet.findChild<QLineEdit *>("passwordField")->setText(password);
        sheet.findChild<QLineEdit *>("repeatField")->setText(repeated);
        QCOMPARE(sheet.findChild<ThemeButton *>("actionButton")->isEnabled(), enabled);
        QCOMPARE(sheet.findChild<QLabel *>("mismatchLine")->isVisible(), mismatchShown);
    }

    void copyOfAnUnprotectedFileIsProtected()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Contract.pdf", 3)});
        PasswordSheet sheet(shell.model.get(), file);
        QVERIFY(!sheet.isProtected());
        QVERIFY(!sheet.findChild<QWidget *>("withoutPasswordButton"));
        QCOMPARE(sheet.findChild<QLineEdit *>("passwordField")->placeholderText(), "Password");
        sheet.show();

        const QString target = shell.folder.filePath("Contract (protected).pdf");
        shell.panels.saveAnswers.enqueue(QUrl::fromLocalFile(target));
        sheet.findChild<QLineEdit *>("passwordField")->setText(" s3cret ");
        sheet.findChild<QLineEdit *>("repeatField")->setText(" s3cret ");
        QTest::keyClick(sheet.findChild<QLineEdit *>("repeatField"), Qt::Key_Return);
        // Gone before the panel is asked for.
        QVERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QVERIFY(shell.panels.saveCalls.isEmpty());
        QTRY_VERIFY(QFileInfo::exists(target) && !shell.model->busy());
        QCOMPARE(shell.panels.saveCalls.first().first, "Contract (protected).pdf");
        QCOMPARE(shell.panels.saveCalls.first().second, file->url());

        const QByteArray bytes = Fixtures::readAll(target);
        QVERIFY(!Fixtures::popplerOpen(bytes));
        QVERIFY(!Fixtures::popplerOpen(bytes, "s3cret"));
        auto opened = Fixtures::popplerOpen(bytes, " s3cret ");
        QVERIFY(opened);
        QCOMPARE(opened->numPages(), 3);
        // The open file stays as it was.
        QVERIFY(!file->password());
        QVERIFY(!file->isEdited());
    }

    void copyOfAProtectedFileWithoutPassword()
    {
        ShellFixture shell;
        OpenFile *file = openLocked(shell, "Lease.pdf", "tenant");
        QVERIFY(file);
        PasswordSheet sheet(shell.model.get(), file);
        QVERIFY(sheet.isProtected());
        QCOMPARE(sheet.findChild<QLineEdit *>("passwordField")->placeholderText(), "New password");
        sheet.show();
        const QString target = shell.folder.filePath("Lease open.pdf");
        shell.panels.saveAnswers.enqueue(QUrl::fromLocalFile(target));
        sheet.findChild<QAbstractButton *>("withoutPasswordButton")->click();
        QVERIFY(!sheet.isVisible());
        QTRY_VERIFY(QFileInfo::exists(target) && !shell.model->busy());
        QCOMPARE(shell.panels.saveCalls.first().first, "Lease (no password).pdf");
        auto opened = Fixtures::popplerOpen(Fixtures::readAll(target));
        QVERIFY(opened);
        QCOMPARE(opened->numPages(), 2);
        QCOMPARE(file->password(), std::optional<QString>("tenant"));
    }

    void cancelledPanelOrSheetWritesNothing()
    {
        ShellFixture shell;
        OpenFile *file = shell.open({shell.pdf("Contract.pdf")});
        {
            PasswordSheet sheet(shell.model.get(), file);
            sheet.show();
            sheet.findChild<QLineEdit *>("passwordField")->setText("pw");
            sheet.findChild<QLineEdit *>("repeatField")->setText("pw");
            QTest::keyClick(&sheet, Qt::Key_Escape);
            QCOMPARE(sheet.result(), int(QDialog::Rejected));
        }
        QCoreApplication::processEvents();
        QVERIFY(shell.panels.saveCalls.isEmpty());
        {
            PasswordSheet sheet(shell.model.get(), file);
            sheet.show();
            sheet.findChild<QLineEdit *>("passwordField")->setText("pw");
            sheet.findChild<QLineEdit *>("repeatField")->setText("pw");
            sheet.findChild<QAbstractButton *>("actionButton")->click();
        }
        // The sheet is gone; the panel still comes, and its cancel ends it all.
        QTRY_COMPARE(shell.panels.saveCalls.size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!shell.model->busy());
        QCOMPARE(QDir(shell.folder.path()).entryList({"*.pdf"}), QStringList{"Contract.pdf"});
    }
};

QTEST_MAIN(TestPasswordSheet)
#include "tst_PasswordSheet.moc"
