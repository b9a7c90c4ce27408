#include "platform/SharedBytes.h"

#include <QTemporaryFile>
#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

class TestSharedBytes : public QObject
{
    Q_OBJECT

private slots:
    // What one side writes, another adopts through a duplicate descriptor and
    // reads unchanged; the writer's descriptor can no longer change it.
    void bytesCrossByDescriptorAndStaySealed()
    {
        SharedBytes::Writer writer;
        QVERIFY(writer.isValid());
        QVERIFY(writer.write("%PDF-1.7\n"));
        QVERIFY(writer.write(QByteArray(100000, 'x')));
        const int writable = dup(writer.fd());
        auto finished = writer.finish();
        QVERIFY(finished);
        QCOMPARE(finished->size(), 9 + 100000);

        auto other = SharedBytes::adopt(dup(finished->fd()));
        QVERIFY(other);
        QCOMPARE(other->bytes(), finished->bytes());
        QVERIFY(other->bytes().startsWith("%PDF-1.7\n"));

        QCOMPARE(::write(writable, "y", 1), ssize_t(-1));
        QCOMPARE(ftruncate(writable, 1), -1);
        ::close(writable);
        QCOMPARE(other->size(), 9 + 100000);
    }

    // A file's bytes come over whole from where it was read up to, both from a
    // regular file (copied in the kernel) and from a pipe (read through a buffer).
    void copiesWhatIsLeftOfAFile()
    {
        QByteArray content(3 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < content.size(); ++i) {
            content[i] = char((i * 7919) >> 5);
        }
        QTemporaryFile file;
        QVERIFY(file.open());
        QCOMPARE(file.write(content), content.size());
        QVERIFY(file.flush());
        const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        QCOMPARE(::lseek(fd, 10, SEEK_SET), off_t(10));
        SharedBytes::Writer fromFile;
        QVERIFY(fromFile.write("head"));
        QVERIFY(fromFile.copyFrom(fd));
        ::close(fd);
        QCOMPARE(fromFile.finish()->bytes(), "head" + content.mid(10));

        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        QCOMPARE(::write(pipeEnds[1], "through a pipe", 14), ssize_t(14));
        ::close(pipeEnds[1]);
        SharedBytes::Writer fromPipe;
        QVERIFY(fromPipe.copyFrom(pipeEnds[0]));
        ::close(pipeEnds[0]);
        QCOMPARE(fromPipe.finish()->bytes(), QByteArray("through a pipe"));
    }

    // A descriptor whose bytes the sender could still change is refused, as are
    // closed ones; empty bytes stay usable.
    void unsealedOrBadDescriptorsAreRefused()
    {
        const int fd = memfd_create("unsealed", MFD_CLOEXEC | MFD_ALLOW_SEALING);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "abc", 3), ssize_t(3));
        QVERIFY(!SharedBytes::adopt(fd));
        QVERIFY(!SharedBytes::adopt(-1));

        const SharedBytes empty = SharedBytes::copyOf({});
        QVERIFY(empty.isEmpty());
        QVERIFY(empty.bytes().isEmpty());
        QCOMPARE(SharedBytes::copyOf("abc").bytes(), QByteArray("abc"));
    }
};

QTEST_GUILESS_MAIN(TestSharedBytes)
#include "tst_SharedBytes.moc"
