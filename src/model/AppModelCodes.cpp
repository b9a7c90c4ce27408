#include "model/AppModel.h"

#include "codes/CodeReading.h"
#include "codes/CodesModel.h"
#include "codes/FileCodeReading.h"
#include "platform/Clipboard.h"

namespace {

CodeReadingHooks readingHooks(AppModel *model)
{
    CodeReadingHooks hooks;
    // The read belongs to the model's codes state, which the model outlives.
    hooks.loadPdf = [model](QUrl url) {
        return model->load(std::move(url)).then([](const std::optional<AppModel::Loaded> &loaded) {
            return loaded ? std::optional<int>(loaded->pageCount) : std::nullopt;
        });
    };
    hooks.isInUse = [model](const QUrl &url) { return model->isSourceInUse(url); };
    hooks.offerSupportOnce = [model] { model->offerSupportOnce(); };
    return hooks;
}

} // namespace

void AppModel::readCodes(QList<QUrl> urls)
{
    CodeReading::readFiles(m_codes, m_engine, std::move(urls), readingHooks(this));
}

void AppModel::readCodesFromClipboard()
{
    // Encoded bytes are decoded by a worker, never here; only a picture that
    // comes without any (put there by this program) is taken as it is.
    const QByteArray bytes = m_clipboard->pictureBytes();
    if (!bytes.isEmpty()) {
        CodeReading::readPastedPicture(m_codes, m_engine, bytes, readingHooks(this));
        return;
    }
    const QImage picture = m_clipboard->image();
    if (picture.isNull()) {
        setErrorMessage(
            tr("There's no picture on the clipboard. Copy a screenshot or an image first."));
        return;
    }
    CodeReading::readImage(m_codes, picture, readingHooks(this));
}
