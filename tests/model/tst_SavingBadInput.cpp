#include "SavingHarness.h"

#include "helpers/HandMadePdf.h"
#include "model/FileWriting.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

// Targets that can't take the file: each ends with one clear sentence, no
// file half-written, an old file as it was, and the document still edited.
class TestSavingBadInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<SavingHarness> h;
    QStringList m_mounts;
    std::optional<rlimit> m_oldLimit;

    // A small memory disk at `folder`; false where the test may not mount one.
    bool mountDisk(const QString &folder, const char *size)
    {
        if (!QDir().mkpath(folder) ||
            ::mount("tamsel-test", folder.toLocal8Bit().constData(), "tmpfs", 0, size) != 0) {
            return false;
        }
        m_mounts.append(folder);
        return true;
    }

    bool makeReadOnly(const QString &folder)
    {
        return ::mount("tamsel-test", folder.toLocal8Bit().constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Writes beyond `bytes` fail for the whole process, as on a disk that takes
    // no larger file, until cleanup lifts the limit.
    bool limitFileSize(rlim_t bytes)
    {
        rlimit limit{};
        if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return false;
        }
        m_oldLimit = limit;
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = bytes;
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QSettings().clear();
        h = std::make_unique<SavingHarness>();
    }

    void cleanup()
    {
        if (m_oldLimit) {
            ::setrlimit(RLIMIT_FSIZE, &*m_oldLimit);
            m_oldLimit.reset();
        }
        // Before the folder goes, so that it can be removed.
        for (const QString &folder : std::as_const(m_mounts)) {
            ::umount2(folder.toLocal8Bit().constData(), MNT_DETACH);
        }
        m_mounts.clear();
        h.reset();
        QSettings().clear();
    }

    void targetsThatCantTakeTheFile_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("target"); // within the test's folder
        QTest::addColumn<QString>("message");
        const QString name = QStringLiteral("Name (edited).pdf");
        QTest::newRow("read-only disk")
            << "read-only"
            << "disk/" + name
            << "“Name (edited).pdf” couldn't be saved because that disk is read-only.";
        QTest::newRow("full disk")
            << "full"
            << "disk/" + name << "“Name (edited).pdf” couldn't be saved because the disk is full.";
        QTest::newRow("folder missing")
            << ""
            << "missing/" + name
            << "“Name (edited).pdf” couldn't be saved because its folder doesn't exist.";
        QTest::newRow("slashes make a folder that isn't there")
            << ""
            << "a/b/c.pdf"
            << "“c.pdf” couldn't be saved because its folder doesn't exist.";
        QTest::newRow("folder is a file")
            << "file"
            << "plain.txt/" + name
            << "“Name (edited).pdf” couldn't be saved because its folder doesn't exist.";
        QTest::newRow("target is a folder")
            << "folder"
            << "out/" + name
            << "“Name (edited).pdf” couldn't be saved because a folder of that name is in the way.";
        const QString longName = QString(296, QLatin1Char('a')) + ".pdf";
        QTest::newRow("name of 300 characters")
            << "" << longName
            << "“" + longName.left(40) + "…" + longName.right(40) +
                   "” couldn't be saved because the name is too long.";
    }

    void targetsThatCantTakeTheFile()
    {
        QFETCH(QString, setup);
        QFETCH(QString, target);
        QFETCH(QString, message);
        OpenFile *file = h->open({h->pdf("Name.pdf", 400)});
        QVERIFY(file);
        QVERIFY(h->model->place(h->libraryStamp(Qt::red), file, file->pages()[0].id));
        file->setEdited(true);

        const QString path = h->folder.filePath(target);
        const QString folder = QFileInfo(path).path();
        const QByteArray old("an earlier file that must survive");
        bool oldFile = false;
        if (setup == "read-only" || setup == "full") {
            if (!mountDisk(folder, setup == "full" ? "size=16k" : "size=64k")) {
                QSKIP("no memory disk can be mounted here");
            }
            QVERIFY(Fixtures::writeAll(path, old));
            oldFile = true;
            if (setup == "read-only") {
                QVERIFY(makeReadOnly(folder));
            }
        } else if (setup == "file") {
            QVERIFY(Fixtures::writeAll(h->folder.filePath("plain.txt"), old));
        } else if (setup == "folder") {
            QVERIFY(QDir().mkpath(path));
            QVERIFY(Fixtures::writeAll(QDir(path).filePath("inside.txt"), old));
        }
        const QStringList before = SavingHarness::namesIn(folder);

        h->panels.saveAnswers.enqueue(QUrl::fromLocalFile(path));
        const QFuture<void> saving = h->model->saveAs(file);
        QVERIFY(TestUtil::waitFor(saving));

        QCOMPARE(h->model->errorMessage(), std::optional<QString>(message));
        QVERIFY(!h->model->busy());
        QVERIFY(!h->model->toast());
        QVERIFY(file->isEdited());
        QCOMPARE(SavingHarness::namesIn(folder), before);
        if (oldFile) {
            QCOMPARE(Fixtures::readAll(path), old);
        }
        if (setup == "folder") {
            QCOMPARE(SavingHarness::namesIn(path), QStringList{"inside.txt"});
        }
        QCOMPARE(QSettings().value("friend.savedFiles", 0).toInt(), 0);
    }

    // The build writes into the temporary file it is handed; a write the disk
    // refuses comes back as its system error, told in the user's words, and the
    // old file stays.
    void aFileTooLargeForTheDiskLeavesTheOldOne()
    {
        const QString folder = h->folder.filePath("limited");
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath("Name (edited).pdf");
        const QByteArray old("an earlier file that must survive");
        QVERIFY(Fixtures::writeAll(path, old));
        QVERIFY(limitFileSize(4096));

        const Result<void> written = FileWriting::replace(path, [](int file) -> Result<void> {
            const QByteArray built(8192, 'x');
            for (qsizetype done = 0; done < built.size();) {
                const ssize_t n =
                    ::write(file, built.constData() + done, size_t(built.size() - done));
                if (n <= 0) {
                    Error failed;
                    failed.systemError = n < 0 ? errno : EIO;
                    return failed;
                }
                done += n;
            }
            return {};
        });
        QVERIFY(!written.ok());
        QCOMPARE(
            written.error().message,
            QStringLiteral(
                "“Name (edited).pdf” couldn't be saved because it is too large for that disk."));
        QCOMPARE(Fixtures::readAll(path), old);
        QCOMPARE(SavingHarness::namesIn(folder), QStringList{"Name (edited).pdf"});
    }

    void pagesThatCantBeCopiedAreOfferedAsPictures_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        const QByteArray catalog = "<< /Type /Catalog /Pages 2 0 R >>";
        QTest::newRow("page object reads as nothing")
            << Fixtures::handMadePdf({catalog, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200]"});
        QTest::newRow("page tree that loops")
            << Fixtures::handMadePdf({catalog, "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 1 >>",
                                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 200] >>",
                                      "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 0 >>"});
        // Deeper than qpdf's stack reaches: it would crash walking it.
        QList<QByteArray> deep{catalog};
        constexpr int depth = 100000;
        for (int i = 2; i < depth + 2; ++i) {
            const QByteArray parent =
                i == 2 ? QByteArray() : "/Parent " + QByteArray::number(i - 1) + " 0 R ";
            deep.append("<< /Type /Pages " + parent + "/Kids [" + QByteArray::number(i + 1) +
                        " 0 R] /Count 1 >>");
        }
        deep.append("<< /Type /Page /Parent " + QByteArray::number(depth + 1) +
                    " 0 R /MediaBox [0 0 300 200] >>");
        QTest::newRow("page tree nested a hundred thousand deep") << Fixtures::handMadePdf(deep);
    }

    // Shown by the reader, but its pages can't be copied: the save says so,
    // writes nothing, and offers the pages as pictures, which then save.
    void pagesThatCantBeCopiedAreOfferedAsPictures()
    {
        QFETCH(QByteArray, pdf);
        const QUrl source = h->path("damaged.pdf");
        QVERIFY(Fixtures::writeAll(source.toLocalFile(), pdf));
        OpenFile *file = h->open({source});
        QVERIFY(file);
        QCOMPARE(file->pages().size(), 1);
        const QString folder = h->folder.filePath("out");
        QVERIFY(QDir().mkpath(folder));
        const QUrl target = QUrl::fromLocalFile(QDir(folder).filePath("damaged (edited).pdf"));
        h->panels.saveAnswers.enqueue(target);
        QVERIFY(TestUtil::waitFor(h->model->saveAs(file)));

        QCOMPARE(h->model->errorMessage(),
                 std::optional<QString>(
                     "The pages of this file are damaged in a way that stops them being copied. "
                     "It can only be saved as pictures of its pages."));
        QVERIFY(SavingHarness::namesIn(folder).isEmpty());
        QVERIFY(!h->model->toast());
        QVERIFY(h->model->picturesOffer());
        QCOMPARE(h->model->picturesOffer()->target, target);

        QVERIFY(TestUtil::waitFor(h->model->saveOfferedPictures()));
        QVERIFY(!h->model->errorMessage());
        QVERIFY(!h->model->picturesOffer());
        QCOMPARE(SavingHarness::namesIn(folder), QStringList{"damaged (edited).pdf"});
        PDFEngine reader;
        const PDFEngine::OpenResult saved = TestUtil::await(reader.open(target, std::nullopt));
        QCOMPARE(saved.status, PDFEngine::OpenStatus::Opened);
        QCOMPARE(saved.pageCount, 1);
        QCOMPARE(TestUtil::await(reader.displaySize(PageSource{target, 0}, 0)), QSizeF(300, 200));
        QCOMPARE(Fixtures::qpdfCheckFailure(Fixtures::readAll(target.toLocalFile())), QString());
    }

    void unusableNamesWriteNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("a slash") << "pages/1"
                                 << "“pages/1.pdf” can't be used as a file name.";
        QTest::newRow("up out of the folder") << "../Scan"
                                              << "“../Scan.pdf” can't be used as a file name.";
        QTest::newRow("blank") << "  "
                               << "“  .pdf” can't be used as a file name.";
        const QString longName(300, QLatin1Char('b'));
        QTest::newRow("300 characters")
            << longName
            << "“" + longName.left(40) + "…” couldn't be saved because the name is too long.";
    }

    void unusableNamesWriteNoFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString folder = h->folder.filePath("out");
        QVERIFY(QDir().mkpath(folder));
        h->panels.folderAnswers.enqueue(QUrl::fromLocalFile(folder));
        int made = 0;
        QVERIFY(TestUtil::waitFor(
            h->model->writeFiles({{"Good", "pdf"}, {name, "pdf"}}, std::nullopt, "Export",
                                 "Exporting…", [&](int, CancelToken) {
                                     ++made;
                                     return Async::ready(Result<QByteArray>(QByteArray("bytes")));
                                 })));
        QCOMPARE(h->model->errorMessage(), std::optional<QString>(message));
        QCOMPARE(made, 0);
        QVERIFY(SavingHarness::namesIn(folder).isEmpty());
        QVERIFY(SavingHarness::namesIn(h->folder.path()).contains("out"));
        QVERIFY(!h->model->busy());
    }
};

QTEST_MAIN(TestSavingBadInput)
#include "tst_SavingBadInput.moc"
