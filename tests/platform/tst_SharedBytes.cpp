#include "platform/SharedBytes.h"

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
