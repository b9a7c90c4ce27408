#include "CodesFixture.h"

#include "codes/CodesModel.h"
#include "codeviews/CodeCard.h"
#include "codeviews/CodesView.h"
#include "helpers/TestUtil.h"
#include "look/NoteBanner.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// The QR Codes screen over a real model and engine: what it shows for each
// state of a read, and what its drop zone, buttons and Ctrl+V start.
class TestCodesView : public QObject
{
    Q_OBJECT

    std::unique_ptr<CodesFixture> m_fixture;
    std::unique_ptr<CodesView> m_view;

    CodesModel *codes() const { return m_fixture->model->codes(); }

    QWidget *child(const QString &name) const
    {
        auto *widget = m_view->findChild<QWidget *>(name);
        if (!widget) {
            qFatal("no %s", qPrintable(name));
        }
        return widget;
    }

    bool shows(const QString &name) const { return child(name)->isVisible(); }

    void click(const QString &name)
    {
        QTest::mouseClick(m_view->findChild<QPushButton *>(name), Qt::LeftButton);
    }

    QStringList origins() const
    {
        QStringList lines;
        for (const CodeCard *card : m_view->cards()) {
            lines.append(card->findChild<QLabel *>("originLine")->text());
        }
        return lines;
    }

    bool readAndWait(const QList<QUrl> &urls)
    {
        m_fixture->model->readCodes(urls);
        return waitForRead();
    }

    bool waitForRead()
    {
        const bool ended = QTest::qWaitFor([this] { return !codes()->isReading(); }, 30000);
        QCoreApplication::processEvents();
        return ended && !codes()->isReading();
    }

    void drop(const QList<QUrl> &urls)
    {
        auto *zone = m_view->findChild<CodesDropZone *>();
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = zone->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(zone->isTargeted());
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &dropped);
        QVERIFY(!zone->isTargeted());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_fixture = std::make_unique<CodesFixture>();
        m_view = std::make_unique<CodesView>(m_fixture->model.get());
        m_view->setLinkOpener(&m_fixture->opener);
        m_view->resize(900, 700);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void startsWithHeadingAndDropZoneOnly()
    {
        QCOMPARE(m_view->objectName(), "codesView");
        QCOMPARE(m_view->windowTitle(), "QR Codes");
        QVERIFY(shows("codesDropZone"));
        QVERIFY(!shows("readingRow"));
        QVERIFY(!shows("emptyNote"));
        QVERIFY(!shows("foundRow"));
        QVERIFY(m_view->cards().isEmpty());
    }

    void newerReadsShowAboveOlderOnes()
    {
        QVERIFY(readAndWait({m_fixture->qrPicture("first.png", "https://example.com/1")}));
        QCOMPARE(origins(), QStringList{"first.png"});
        CodeCard *first = m_view->cards().first();
        QVERIFY(shows("foundRow"));
        QVERIFY(!shows("readingRow"));

        QVERIFY(readAndWait({m_fixture->qrPicture("second.png", "WIFI:S:Home;P:pw;;")}));
        QCOMPARE(origins(), QStringList({"second.png", "first.png"}));
        QCOMPARE(m_view->cards().last(), first); // kept, not made again
        QCOMPARE(m_view->cards().first()->findChild<QLabel *>("kindTitle")->text(), "Wi-Fi");
        QVERIFY(m_view->cards().first()->isVisible());
    }

    void noteNamesTheDroppedFileAndStaysAfterClear()
    {
        QVERIFY(readAndWait({m_fixture->qrPicture("code.png", "hello")}));
        drop({m_fixture->textFile("notes.txt")});
        QVERIFY(waitForRead());
        QVERIFY(shows("emptyNote"));
        QCOMPARE(static_cast<NoteBanner *>(child("emptyNote"))->text(),
                 "No codes found in “notes.txt”. Try a sharper or larger picture.");
        // The earlier read's card stays beside the note.
        QCOMPARE(origins(), QStringList{"code.png"});

        click("clearButton");
        QVERIFY(m_view->cards().isEmpty());
        QVERIFY(!shows("foundRow"));
        QVERIFY(shows("emptyNote"));
    }

    void dropReadsEveryFileInOrder()
    {
        drop({m_fixture->qrPicture("a.png", "A"), m_fixture->textFile("b.txt"),
              m_fixture->qrPicture("c.png", "C")});
        QVERIFY(waitForRead());
        QCOMPARE(origins(), QStringList({"a.png", "c.png"}));
        QVERIFY(!shows("emptyNote"));
    }

    void dropOfNoFilesSaysNothingWasFound()
    {
        drop({QUrl("https://example.com/picture.png")});
        QVERIFY(waitForRead());
        QCOMPARE(static_cast<NoteBanner *>(child("emptyNote"))->text(),
                 "No codes found. Try a sharper or larger picture.");
    }

    void dragHoverLightsTheZone()
    {
        auto *zone = m_view->findChild<CodesDropZone *>();
        QMimeData data;
        data.setUrls({m_fixture->textFile("x.txt")});
        QDragEnterEvent enter(zone->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(zone, &enter);
        QVERIFY(zone->isTargeted());
        QDragLeaveEvent leave;
        QApplication::sendEvent(zone, &leave);
        QVERIFY(!zone->isTargeted());

        QMimeData text;
        text.setText("just words");
        QDragEnterEvent words(zone->rect().center(), Qt::CopyAction, &text, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(zone, &words);
        QVERIFY(!words.isAccepted());
        QVERIFY(!zone->isTargeted());
    }

    void openReadsTheChosenFiles()
    {
        m_fixture->panels.fileAnswers.enqueue({});
        click("openButton");
        QTRY_COMPARE(m_fixture->panels.openCalls.size(), 1);
        QCOMPARE(m_fixture->panels.openCalls.first().multiple, true);
        QCOMPARE(m_fixture->panels.openCalls.first().kinds,
                 QList<FileKind>({FileKind::Pdf, FileKind::Picture}));
        QCoreApplication::processEvents();
        QVERIFY(!codes()->isReading()); // a cancelled panel starts nothing
        QVERIFY(!shows("emptyNote"));

        const QString pdf = m_fixture->folder.filePath("pages.pdf");
        QVERIFY(
            CodePictures::writePdf(pdf, {{{CodePictures::qr("page one"), QPoint(100, 100)}},
                                         {},
                                         {{CodePictures::qr("page three"), QPoint(100, 100)}}}));
        m_fixture->panels.fileAnswers.enqueue({QUrl::fromLocalFile(pdf)});
        click("openButton");
        // The blank page is drawn again sharper before the read gives up on it.
        QTRY_COMPARE_WITH_TIMEOUT(m_view->cards().size(), 2, 30000);
        QCOMPARE(origins(), QStringList({"pages.pdf, page 1", "pages.pdf, page 3"}));
    }

    void pasteReadsTheClipboardPicture()
    {
        m_fixture->clipboard.picture = CodePictures::qr("TEL:+1 555 0100");
        click("pasteButton");
        QVERIFY(waitForRead());
        QCOMPARE(origins(), QStringList{"Pasted image"});
        QCOMPARE(m_view->cards().first()->findChild<QLabel *>("kindTitle")->text(), "Phone");
    }

    void pasteWithoutPictureSaysSo()
    {
        click("pasteButton");
        QCOMPARE(m_fixture->model->errorMessage(),
                 "There's no picture on the clipboard. Copy a screenshot or an image first.");
    }

    void ctrlVReadsOnlyAPicture()
    {
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));

        // Without a picture the command is not this screen's: no alert.
        QTest::keyClick(m_view.get(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!m_fixture->model->errorMessage());
        QVERIFY(!codes()->isReading());

        m_fixture->clipboard.picture = CodePictures::qr("https://example.com");
        QTest::keyClick(m_view.get(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(waitForRead());
        QCOMPARE(origins(), QStringList{"Pasted image"});
    }

    void stopShowsNothingOfTheRead()
    {
        QList<QList<CodePictures::Placed>> pages;
        for (int i = 0; i < 30; ++i) {
            pages.append(
                {{CodePictures::qr(QStringLiteral("page %1").arg(i + 1)), QPoint(100, 100)}});
        }
        const QString pdf = m_fixture->folder.filePath("long.pdf");
        QVERIFY(CodePictures::writePdf(pdf, pages));
        m_fixture->model->readCodes({QUrl::fromLocalFile(pdf)});
        QTRY_VERIFY(shows("readingRow"));
        click("stopButton");
        QVERIFY(waitForRead());
        QVERIFY(!shows("readingRow"));
        QVERIFY(m_view->cards().isEmpty());
        QVERIFY(!shows("emptyNote"));
    }

    void manyCodesArriveInBatchesInOrder()
    {
        const auto made = [](int count, const QString &origin) {
            QList<FoundCode> list;
            for (int i = 0; i < count; ++i) {
                list.append(FoundCode{QUuid::createUuid(), QString::number(i), CodeSymbology::QR,
                                      origin, i + 1});
            }
            return list;
        };
        const auto ids = [this] {
            QList<QUuid> list;
            for (const CodeCard *card : m_view->cards()) {
                list.append(card->code().id);
            }
            return list;
        };
        const auto expected = [this] {
            QList<QUuid> list;
            for (const FoundCode &code : codes()->found()) {
                list.append(code.id);
            }
            return list;
        };

        const auto scrollToEnd = [this] {
            m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
            QCoreApplication::processEvents();
        };

        codes()->setFound(made(150, "old.pdf"));
        QVERIFY(!m_view->cards().isEmpty());
        QVERIFY(m_view->cards().size() < 150); // the top first
        // Batches follow each other through the event loop until the page is full.
        for (qsizetype placed = -1; placed != m_view->cards().size();) {
            placed = m_view->cards().size();
            QCoreApplication::processEvents();
        }
        QVERIFY(m_view->cards().size() < 150); // the rest when scrolled to
        QTRY_COMPARE((scrollToEnd(), m_view->cards().size()), 150);
        QCOMPARE(ids(), expected());
        CodeCard *oldFirst = m_view->cards().first();

        // A large newer read on top: its cards come first, the old ones stay.
        m_view->verticalScrollBar()->setValue(0);
        codes()->setFound(made(100, "new.pdf") + codes()->found());
        QTRY_COMPARE((scrollToEnd(), m_view->cards().size()), 250);
        QCOMPARE(ids(), expected());
        QCOMPARE(m_view->cards().at(100), oldFirst);
        const auto allShown = [this] {
            const QList<CodeCard *> cards = m_view->cards();
            return std::all_of(cards.cbegin(), cards.cend(),
                               [](const CodeCard *card) { return card->isVisible(); });
        };
        QTRY_VERIFY(allShown());

        codes()->setFound(codes()->found().mid(200));
        QCOMPARE(ids(), expected());
    }

    void cardsSendLinksToTheOpener()
    {
        QVERIFY(readAndWait({m_fixture->qrPicture("link.png", "https://example.com/x")}));
        QTest::mouseClick(m_view->cards().first()->findChild<QPushButton *>("openInBrowser"),
                          Qt::LeftButton);
        QCOMPARE(m_fixture->opener.opened, QList<QUrl>{QUrl("https://example.com/x")});
    }
};

QTEST_MAIN(TestCodesView)
#include "tst_CodesView.moc"
