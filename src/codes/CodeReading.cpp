#include "codes/CodeReading.h"

#include "codes/CodeReader.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace CodeReading {

QString pastedImageName()
{
    return QCoreApplication::translate("CodeReading", "Pasted image");
}

void publish(CodesModel *codes, const CancelToken &token, const QList<FoundCode> &list,
             const std::optional<QString> &name, const CodeReadingHooks &hooks)
{
    if (token.isCanceled()) {
        return;
    }
    if (list.isEmpty()) {
        codes->setEmptyMessage(
            name ? QCoreApplication::translate("CodeReading", "No codes found in “%1”.").arg(*name)
                 : QCoreApplication::translate("CodeReading", "No codes found."));
        return;
    }
    codes->setFound(list + codes->found());
    if (hooks.offerSupportOnce) {
        hooks.offerSupportOnce();
    }
}

namespace {

QFuture<void> readImageTask(CodesModel *codes, QImage image, CodeReadingHooks hooks,
                            CodesModel::Read read)
{
    codes->setReading(true);
    codes->setEmptyMessage(std::nullopt);
    const QString origin = pastedImageName();
    // Not tied to the read's token: "Stop" drops the result instead of
    // interrupting the detector, which has no place to stop.
    auto detect = [image, origin] {
        QList<FoundCode> out;
        for (const CodeReader::Reading &reading : CodeReader::codes(image)) {
            out.append(FoundCode{QUuid::createUuid(), reading.payload, reading.symbology, origin,
                                 std::nullopt});
        }
        return out;
    };
    // Named, not a temporary inside the co_await: GCC 12 destroys some
    // temporaries of an awaited expression twice.
    QFuture<QList<FoundCode>> job = QtConcurrent::run(QThreadPool::globalInstance(), detect);
    const QList<FoundCode> list = co_await job;
    publish(codes, read.token, list, origin, hooks);
    codes->finishRead(read.number);
}

} // namespace

void readImage(CodesModel *codes, QImage image, CodeReadingHooks hooks)
{
    const CodesModel::Read read = codes->startRead();
    readImageTask(codes, std::move(image), std::move(hooks), read);
}

} // namespace CodeReading
