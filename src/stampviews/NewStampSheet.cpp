#include "stampviews/NewStampSheet.h"

#include "engine/PDFEngine.h"
#include "look/NoteBanner.h"
#include "look/Spinner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"
#include "stampviews/DrawingPad.h"
#include "stampviews/PictureBox.h"
#include "stampviews/ReadyStampsPicker.h"
#include "stampviews/StyleSheets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int margin = 24;
const QSize padSize(512, 220);

QString titleFor(StampSource::Kind kind)
{
    switch (kind) {
    case StampSource::Kind::Drawing:
        return NewStampSheet::tr("Draw Your Signature");
    case StampSource::Kind::Ready:
        return NewStampSheet::tr("Ready Stamps");
    case StampSource::Kind::File:
    case StampSource::Kind::Data:
        break;
    }
    return NewStampSheet::tr("New Signature or Stamp");
}

// A picture file or its bytes, decoded for the stamp maker. The picture is a
// stranger's: only a sandboxed worker decodes it. The drawing pad's own
// picture takes the same road, so every stamp is made from the same pixels.
template<typename Picture> QFuture<QImage> decodeOnWorker(AppModel *model, Picture picture)
{
    PDFEngine *engine = model ? model->engine() : nullptr;
    return engine ? engine->decodePicture(std::move(picture), StampMaker::decodeLongSide)
                  : Async::ready(QImage());
}

} // namespace

NewStampSheet::NewStampSheet(AppModel *model, const StampSource &source, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_source(source)
    , m_work(CancelToken::make())
{
    setObjectName(QStringLiteral("newStampSheet"));
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    setFixedWidth(sheetWidth);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    setPalette(palette);
    setAutoFillBackground(true);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(margin, margin, margin, margin);
    m_layout->setSpacing(16);

    m_title = new QLabel(titleFor(source.kind()), this);
    m_title->setObjectName(QStringLiteral("sheetTitle"));
    m_title->setFont(Theme::font(18, QFont::Bold));
    Theme::setTextColor(m_title, Theme::text());
    setWindowTitle(m_title->text());
    m_layout->addWidget(m_title);

    // Content goes between the title and the banner; showStage() swaps it.
    m_saveError = new NoteBanner(QString(), NoteBanner::Tone::Danger, this);
    m_saveError->setObjectName(QStringLiteral("saveErrorBanner"));
    m_saveError->hide();
    m_layout->addWidget(m_saveError);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    m_cancelButton = new ThemeButton(tr("Cancel"), ThemeButton::Style::Secondary, this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);
    buttons->addWidget(m_cancelButton);
    m_saveButton = new ThemeButton(tr("Save"), ThemeButton::Style::Primary, this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_saveButton->setDefault(true);
    m_saveButton->hide();
    buttons->addWidget(m_saveButton);
    m_layout->addLayout(buttons);

    connect(m_cancelButton, &QPushButton::clicked, this, &NewStampSheet::reject);
    connect(m_saveButton, &QPushButton::clicked, this, &NewStampSheet::save);

    showStage();
    start();
}

NewStampSheet::Stage NewStampSheet::stage() const
{
    if (m_source.kind() == StampSource::Kind::Ready) {
        return Stage::Ready;
    }
    if (m_source.kind() == StampSource::Kind::Drawing && !m_drawingDone) {
        return Stage::Drawing;
    }
    if (m_result) {
        return Stage::Preview;
    }
    if (m_errorText) {
        return Stage::Failed;
    }
    return Stage::Working;
}

QString NewStampSheet::name() const
{
    return m_nameField ? m_nameField->text() : QString();
}

void NewStampSheet::start()
{
    switch (m_source.kind()) {
    case StampSource::Kind::File:
        m_making = process(decodeOnWorker(m_model.data(), m_source.url()));
        break;
    case StampSource::Kind::Data:
        m_making = process(decodeOnWorker(m_model.data(), m_source.bytes()));
        break;
    case StampSource::Kind::Drawing:
    case StampSource::Kind::Ready:
        break;
    }
}

QFuture<void> NewStampSheet::process(QFuture<QImage> decoding)
{
    // The result is shown from the next event on, never inside the
    // constructor, even when the engine answers at once (a missing file).
    co_await Async::nextTurn(this);
    const QImage picture = co_await decoding;
    // Cancel drops what is still on its way, success or not.
    if (m_work.isCanceled()) {
        co_return;
    }
    const Result<StampMaker::Stamp> made = co_await StampMaker::shared().makeStamp(picture, m_work);
    if (m_work.isCanceled() || made.isCanceled()) {
        co_return;
    }
    if (!made) {
        m_errorText = made.error().message;
        showStage();
        co_return;
    }
    m_result = made.value();
    m_preview = QImage::fromData(m_result->png, "png");
    showStage();
    if (m_nameField && m_model && m_model->stamps()) {
        m_nameField->setText(m_model->stamps()->suggestedName(*m_result));
        m_nameField->setFocus();
    }
}

void NewStampSheet::showStage()
{
    if (m_content) {
        m_content->hide();
        m_content->deleteLater();
        m_content = nullptr;
    }
    m_nameField = nullptr;
    switch (stage()) {
    case Stage::Ready: {
        auto *picker = new ReadyStampsPicker(m_model, this);
        connect(picker, &ReadyStampsPicker::chosen, this, &NewStampSheet::finish);
        connect(picker, &ReadyStampsPicker::failed, this, &NewStampSheet::showSaveError);
        m_content = picker;
        break;
    }
    case Stage::Drawing: {
        auto *pad = new DrawingPad(padSize, this);
        connect(pad, &DrawingPad::used, this, [this](const QByteArray &png) {
            m_drawingDone = true;
            showStage();
            m_making = process(decodeOnWorker(m_model.data(), png));
        });
        m_content = pad;
        break;
    }
    case Stage::Preview:
        m_content = makePreview();
        break;
    case Stage::Failed: {
        auto *banner = new NoteBanner(*m_errorText, NoteBanner::Tone::Warning, this);
        banner->setObjectName(QStringLiteral("errorBanner"));
        m_content = banner;
        break;
    }
    case Stage::Working:
        m_content = makeProgress();
        break;
    }
    m_layout->insertWidget(1, m_content);
    // Shown now rather than when the event loop gets to it, so the height
    // below counts it.
    m_content->show();
    m_saveButton->setVisible(m_result.has_value());
    // Keys go to the name when there is one, else to the sheet (Return and
    // Escape), never to Cancel by accident.
    if (m_nameField) {
        m_nameField->setFocus();
    } else {
        setFocus();
    }
    fitHeight();
}

void NewStampSheet::fitHeight()
{
    // Exactly as wide as a sheet is, as tall as its content needs at that width.
    m_layout->activate();
    const int height = m_layout->hasHeightForWidth() ? m_layout->totalHeightForWidth(sheetWidth)
                                                     : m_layout->totalSizeHint().height();
    setFixedHeight(height);
}

QWidget *NewStampSheet::makePreview()
{
    auto *block = new QWidget(this);
    block->setObjectName(QStringLiteral("previewBlock"));
    auto *column = new QVBoxLayout(block);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);

    auto *picture = new PictureBox(PictureBox::Backdrop::Checkerboard, 14, 16, block);
    picture->setObjectName(QStringLiteral("previewPicture"));
    picture->setFixedHeight(240);
    picture->setImage(m_preview);
    column->addWidget(picture);

    auto *note = new QLabel(tr("The checkerboard is what stays transparent on the page."), block);
    note->setFont(Theme::font(12));
    Theme::setTextColor(note, Theme::secondaryText());
    note->setWordWrap(true);
    column->addWidget(note);

    m_nameField = new QLineEdit(block);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setPlaceholderText(tr("Name"));
    m_nameField->setClearButtonEnabled(true);
    applyTextFieldStyle(m_nameField);
    column->addWidget(m_nameField);
    return block;
}

QWidget *NewStampSheet::makeProgress()
{
    auto *line = new QWidget(this);
    line->setObjectName(QStringLiteral("progressLine"));
    line->setMinimumHeight(120);
    auto *row = new QHBoxLayout(line);
    row->setSpacing(10);
    row->addStretch(1);
    row->addWidget(new Spinner(line));
    auto *text = new QLabel(tr("Removing the paper…"), line);
    text->setFont(Theme::font(13));
    Theme::setTextColor(text, Theme::secondaryText());
    row->addWidget(text);
    row->addStretch(1);
    return line;
}

void NewStampSheet::save()
{
    if (!m_result || m_finished || !m_model || !m_model->stamps()) {
        return;
    }
    StampLibrary *library = m_model->stamps();
    // A message left from an earlier failure must not be taken for this one's.
    library->clearErrorMessage();
    const std::optional<StampRecord> record = library->add(*m_result, name(), QUuid::createUuid());
    if (!record) {
        showSaveError(library->errorMessage());
        return;
    }
    finish(*record);
}

void NewStampSheet::showSaveError(QString message)
{
    // The user still has the stamp on screen and can try again.
    if (message.isEmpty()) {
        message = tr("The signature or stamp couldn't be saved. Try again.");
    }
    m_saveError->setText(message);
    m_saveError->show();
    fitHeight();
}

void NewStampSheet::finish(const StampRecord &record)
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    emit saved(record);
    accept();
}

void NewStampSheet::reject()
{
    m_work.cancel();
    QDialog::reject();
}

// ---- NewStampPresenter

NewStampPresenter::NewStampPresenter(AppModel *model, QWidget *screen)
    : QObject(screen)
    , m_model(model)
    , m_screen(screen)
{}

void NewStampPresenter::present(const StampSource &source)
{
    if (m_sheet && m_sheet->isVisible() && m_sheet->source().id() == source.id()) {
        return;
    }
    if (m_sheet) {
        m_sheet->reject();
    }
    auto *sheet = new NewStampSheet(m_model, source, m_screen ? m_screen->window() : nullptr);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &NewStampSheet::saved, this, &NewStampPresenter::saved);
    m_sheet = sheet;
    sheet->open();
}
