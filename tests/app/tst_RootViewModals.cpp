#include "ShellFixture.h"

#include "aboutviews/DonationNetwork.h"
#include "app/PasswordPrompt.h"
#include "app/RootView.h"

#include "views/AlertSheet.h"
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

using namespace std::chrono_literals;

class TestRootViewModals : public QObject
{
    Q_OBJECT

    struct Shown
    {
        ShellFixture f;
        QWidget window;
        RootView *root = new RootView(f.model.get(), nullptr, &window);

        Shown()
        {
            window.resize(1000, 660);
            root->resize(1000, 660);
            window.show();
            QCoreApplication::processEvents();
        }

        QUrl lockedPdf(const QString &name, const QString &password)
        {
            const QString path = f.folder.filePath(name);
            if (!Fixtures::writeNumberedPdf(path, 2, Fixtures::Protection{password, {}})) {
                qFatal("could not write %s", qPrintable(path));
            }
            return QUrl::fromLocalFile(path);
        }

        // The modal on screen once the deferred presentation has run.
        template<typename T = QDialog> T *modal(const char *name)
        {
            QCoreApplication::processEvents();
            QDialog *d = root->currentModal();
            return d && d->objectName() == QLatin1String(name) && d->isVisible()
                       ? qobject_cast<T *>(d)
                       : nullptr;
        }

        PasswordPrompt *prompt() { return modal<PasswordPrompt>("passwordPrompt"); }
    };

    static QLineEdit *field(QDialog *prompt)
    {
        return prompt->findChild<QLineEdit *>("passwordField");
    }

    static QString explanation(QDialog *prompt)
    {
        return prompt->findChild<QLabel *>("passwordExplanation")->text();
    }

    static void answer(PasswordPrompt *prompt, const QString &password)
    {
        QTest::keyClicks(field(prompt), password);
        QTest::mouseClick(prompt->findChild<QPushButton *>("openButton"), Qt::LeftButton);
    }

    // Drags `data` over `target` and, as the window does, drops it only where the
    // drag was welcomed; returns whether it was welcomed and whether the drop was taken.
    static std::pair<bool, bool> dragAndDrop(QWidget *target, const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return {false, false};
        }
        QDropEvent drop(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return {enter.isAccepted(), drop.isAccepted()};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Theme::apply(*qApp);
    }

    // ---- The password prompt

    void lockedPdfAsksUntilTheRightPassword()
    {
        Shown s;
        const QFuture<void> opening =
            s.f.model->open({s.lockedPdf(QStringLiteral("Locked.pdf"), QStringLiteral("pw 2"))});

        QTRY_VERIFY(s.prompt());
        QPointer<PasswordPrompt> first = s.prompt();
        QCOMPARE(first->windowModality(), Qt::WindowModal);
        QCOMPARE(first->parentWidget(), &s.window);
        QCOMPARE(first->requestID(), s.f.model->passwordRequest()->id);
        QVERIFY(field(first)->text().isEmpty());
        QCOMPARE(
            explanation(first),
            QStringLiteral("Enter its password to open it. The password stays on this computer."));

        answer(first, QStringLiteral("wrong"));
        // A fresh prompt for the new question; the answered one is gone.
        QTRY_VERIFY(s.prompt() && s.prompt() != first.data());
        QTRY_VERIFY(first.isNull());
        PasswordPrompt *second = s.prompt();
        QCOMPARE(second->requestID(), s.f.model->passwordRequest()->id);
        QVERIFY(field(second)->text().isEmpty());
        QVERIFY(second->findChild<QLabel *>("passwordExplanation")->isVisible());
        QCOMPARE(explanation(second), QStringLiteral("That password didn't open it. Try again."));
        QVERIFY(!opening.isFinished());

        answer(second, QStringLiteral("pw 2"));
        QVERIFY(TestUtil::waitFor(opening));
        QCOMPARE(s.f.model->files().size(), 1);
        QCOMPARE(s.f.model->files().first()->password(),
                 std::optional<QString>(QStringLiteral("pw 2")));
        QVERIFY(!s.f.model->passwordRequest());
        QTRY_VERIFY(!s.root->currentModal());
        QVERIFY(!s.f.model->errorMessage());
        QCOMPARE(s.root->currentScreen()->objectName(), QStringLiteral("documentView"));
    }

    void promptClosedWithoutAnAnswer_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << QStringLiteral("cancel");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("dialog closed") << QStringLiteral("close");
        QTest::newRow("after a wrong password, Escape") << QStringLiteral("wrong, escape");
    }

    // Giving up ends the load as a cancellation: no document, no alert, and the
    // question of the next locked file is not answered by the same gesture.
    void promptClosedWithoutAnAnswer()
    {
        QFETCH(QString, how);
        Shown s;
        const QUrl first = s.lockedPdf(QStringLiteral("first.pdf"), QStringLiteral("one"));
        const QUrl second = s.lockedPdf(QStringLiteral("second.pdf"), QStringLiteral("two"));
        const QFuture<void> openingFirst = s.f.model->open({first});
        QTRY_VERIFY(s.prompt());
        const QFuture<void> openingSecond = s.f.model->open({second});
        QSignalSpy requests(s.f.model.get(), &AppModel::passwordRequestChanged);

        QPointer<PasswordPrompt> prompt = s.prompt();
        if (how.startsWith(QLatin1String("wrong"))) {
            answer(prompt, QStringLiteral("nope"));
            QTRY_VERIFY(s.prompt() && s.prompt() != prompt.data());
            prompt = s.prompt();
        }
        QTest::keyClicks(field(prompt), QStringLiteral("typed, not sent"));
        if (how == QLatin1String("cancel")) {
            QTest::mouseClick(prompt->findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
        } else if (how.endsWith(QLatin1String("escape"))) {
            QTest::keyClick(field(prompt), Qt::Key_Escape);
        } else {
            prompt->close();
        }
        QVERIFY(TestUtil::waitFor(openingFirst));
        QVERIFY(s.f.model->files().isEmpty());
        QVERIFY(!s.f.model->errorMessage());
        QTRY_VERIFY(prompt.isNull());

        // The second file now asks, once, in a prompt of its own.
        QTRY_VERIFY(s.prompt());
        PasswordPrompt *next = s.prompt();
        QVERIFY(field(next)->text().isEmpty());
        QCOMPARE(next->windowTitle(), QStringLiteral("“second.pdf” is locked"));
        QCOMPARE(
            explanation(next),
            QStringLiteral("Enter its password to open it. The password stays on this computer."));
        QVERIFY(!openingSecond.isFinished());
        answer(next, QStringLiteral("two"));
        QVERIFY(TestUtil::waitFor(openingSecond));
        QCOMPARE(s.f.model->files().size(), 1);
        QCOMPARE(s.f.model->files().first()->name(), QStringLiteral("second"));
        QTRY_VERIFY(!s.root->currentModal());
        QVERIFY(!s.f.model->errorMessage());
    }

    // Whatever the model asks for while the prompt is up waits its turn, and
    // then comes in the fixed order, one at a time.
    void waitingModalsFollowThePromptInOrder()
    {
        Shown s;
        OpenFile *open = s.f.open({s.f.pdf("open.pdf")});
        QVERIFY(open);
        const QFuture<void> opening =
            s.f.model->open({s.lockedPdf(QStringLiteral("locked.pdf"), QStringLiteral("pw"))});
        QTRY_VERIFY(s.prompt());
        QPointer<PasswordPrompt> prompt = s.prompt();

        s.f.model->setClosingFile(open);
        s.f.model->setErrorMessage(QStringLiteral("The file couldn't be read."));
        s.f.model->setSheet(FileSheet{FileSheet::Kind::Compress, open->id()});
        s.f.model->setSupport(SupportPrompt::Manual);
        QCoreApplication::processEvents();
        QCOMPARE(s.root->currentModal(), prompt.data());
        QVERIFY(prompt->isVisible());

        QTest::keyClick(field(prompt), Qt::Key_Escape);
        QVERIFY(TestUtil::waitFor(opening));
        auto *support = s.modal<QDialog>("supportView");
        QVERIFY(support);
        support->close();
        auto *sheet = s.modal<QDialog>("compressSheet");
        QVERIFY(sheet);
        QVERIFY(!s.f.model->support());
        sheet->close();
        auto *alert = s.modal<AlertSheet>("errorAlert");
        QVERIFY(alert);
        QCOMPARE(alert->informativeText(), QStringLiteral("The file couldn't be read."));
        alert->findChild<QPushButton *>("errorOK")->click();
        QVERIFY(s.modal("closingQuestion"));
        QCOMPARE(s.f.model->closingFile(), open);
        QCOMPARE(s.f.model->files().size(), 1);
    }

    // A save whose pages can only be saved as pictures: the alert offers that,
    // and choosing it writes the pictures to the target chosen before.
    void picturesOfferedInTheAlert_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("saved as pictures") << true;
        QTest::newRow("declined") << false;
    }

    void picturesOfferedInTheAlert()
    {
        QFETCH(bool, accept);
        Shown s;
        const QUrl source = s.f.pdf(QStringLiteral("Damaged.pdf"), 1);
        const QUrl target =
            QUrl::fromLocalFile(s.f.folder.filePath(QStringLiteral("Damaged (edited).pdf")));
        QVERIFY(TestUtil::waitFor(s.f.model->open({source})));
        BuildPlan plan{
            s.f.model->files().last()->pages(), {}, std::nullopt, CompressionStep{600, 0.8, true}};
        s.f.model->setPicturesOffer(AppModel::PicturesOffer{plan, target});
        s.f.model->setErrorMessage(
            QStringLiteral("It can only be saved as pictures of its pages."));
        auto *alert = s.modal<AlertSheet>("errorAlert");
        QVERIFY(alert);
        auto *pictures = alert->findChild<QPushButton *>("errorSaveAsPictures");
        QVERIFY(pictures);
        QCOMPARE(pictures->text(), QStringLiteral("Save as Pictures"));

        (accept ? pictures : alert->findChild<QPushButton *>("errorOK"))->click();
        QTRY_VERIFY(!s.f.model->busy());
        QVERIFY(!s.f.model->picturesOffer());
        QVERIFY(!s.f.model->errorMessage());
        QCOMPARE(QFileInfo::exists(target.toLocalFile()), accept);
        if (accept) {
            QTRY_VERIFY(s.f.model->toast());
        }
    }

    // Taking the window down is not an answer: the question stays with the
    // model, and a window built again asks it.
    void windowGoneWhileAsking()
    {
        ShellFixture f;
        const QString path = f.folder.filePath(QStringLiteral("locked.pdf"));
        QVERIFY(
            Fixtures::writeNumberedPdf(path, 1, Fixtures::Protection{QStringLiteral("pw"), {}}));
        const QFuture<void> opening = f.model->open({QUrl::fromLocalFile(path)});
        QPointer<QDialog> prompt;
        {
            QWidget window;
            auto *root = new RootView(f.model.get(), nullptr, &window);
            window.show();
            QTRY_VERIFY(root->currentModal());
            prompt = root->currentModal();
        }
        QTRY_VERIFY(prompt.isNull());
        QVERIFY(f.model->passwordRequest());
        QVERIFY(!opening.isFinished());

        QWidget window;
        auto *root = new RootView(f.model.get(), nullptr, &window);
        window.show();
        QTRY_VERIFY(qobject_cast<PasswordPrompt *>(root->currentModal()));
        answer(qobject_cast<PasswordPrompt *>(root->currentModal()), QStringLiteral("pw"));
        QVERIFY(TestUtil::waitFor(opening));
        QCOMPARE(f.model->files().size(), 1);
    }

    // ---- The window-wide drop

    void dropOnTheWindow_data()
    {
        QTest::addColumn<QStringList>(
            "items"); // "pdf:", "picture:" name a made file; other text is a URL
        QTest::addColumn<bool>("welcomed");      // the drag is accepted on entering
        QTest::addColumn<QStringList>("opened"); // names of the documents, in order
        QTest::addColumn<QString>("error");

        QTest::newRow("a PDF and two pictures")
            << QStringList{"picture:b.png", "pdf:report.pdf", "picture:a.jpg"} << true
            << QStringList{"report", "a"} << QString();
        QTest::newRow("one PDF") << QStringList{"pdf:only.pdf"} << true << QStringList{"only"}
                                 << QString();
        QTest::newRow("a web address beside a PDF")
            << QStringList{"https://example.org/x.pdf", "pdf:local.pdf"} << true
            << QStringList{"local"} << QString();
        QTest::newRow("only web addresses")
            << QStringList{"https://example.org/x.pdf", "http://example.org/"} << false
            << QStringList{} << QString();
        QTest::newRow("text, no addresses") << QStringList{} << false << QStringList{} << QString();
        QTest::newRow("a file of another kind")
            << QStringList{"other:notes.txt"} << true << QStringList{}
            << QStringLiteral("Tamsel opens PDFs and images.");
    }

    void dropOnTheWindow()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, welcomed);
        QFETCH(QStringList, opened);
        QFETCH(QString, error);
        Shown s;
        QList<QUrl> urls;
        for (const QString &item : items) {
            const QString name = item.section(QLatin1Char(':'), 1);
            if (item.startsWith(QLatin1String("pdf:"))) {
                urls << s.f.pdf(name);
            } else if (item.startsWith(QLatin1String("picture:"))) {
                urls << s.f.picture(name);
            } else if (item.startsWith(QLatin1String("other:"))) {
                QFile file(s.f.folder.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("plain text");
                urls << QUrl::fromLocalFile(file.fileName());
            } else {
                urls << QUrl(item);
            }
        }
        QMimeData data;
        if (urls.isEmpty()) {
            data.setText(QStringLiteral("just some text"));
        } else {
            data.setUrls(urls);
        }

        const auto [entered, dropped] = dragAndDrop(s.root, data);
        QCOMPARE(entered, welcomed);
        QCOMPARE(dropped, welcomed);
        QVERIFY(s.f.model->files().isEmpty()); // the drop was taken before anything opened

        QStringList names;
        if (!opened.isEmpty()) {
            QTRY_COMPARE(s.f.model->files().size(), opened.size());
        }
        QCoreApplication::processEvents();
        for (const OpenFile *file : s.f.model->files()) {
            names << file->name();
        }
        QCOMPARE(names, opened);
        QCOMPARE(s.f.model->errorMessage().value_or(QString()), error);
        if (!opened.isEmpty()) {
            QCOMPARE(s.f.model->destination(),
                     std::optional(Destination::file(s.f.model->files().last()->id())));
        }
    }

    // A build without donation addresses has nothing to offer after a
    // result, and the offer is kept for a build that has.
    void noSupportOfferWithoutDonationAddresses()
    {
        if (DonationNetwork::anyAddress()) {
            QSKIP("this build has donation addresses");
        }
        QSettings().remove(QStringLiteral("support.offeredAfterFirstResult"));
        Shown s;
        s.f.model->saved({QUrl::fromLocalFile(s.f.folder.filePath(QStringLiteral("out.pdf")))});
        s.f.clock.advance(5000ms);
        QCoreApplication::processEvents();
        QVERIFY(!s.f.model->support());
        QVERIFY(!s.root->currentModal());
        QVERIFY(!QSettings().contains(QStringLiteral("support.offeredAfterFirstResult")));

        // Asked for, the panel still opens and says where the addresses are.
        s.f.model->setSupport(SupportPrompt::Manual);
        QDialog *panel = s.modal<QDialog>("supportView");
        QVERIFY(panel);
        QVERIFY(panel->findChild<QWidget *>(QStringLiteral("missingAddress"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("networkPicker"))->isVisible());
    }
};

QTEST_MAIN(TestRootViewModals)
#include "tst_RootViewModals.moc"
