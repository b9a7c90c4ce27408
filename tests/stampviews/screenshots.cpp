// Renders the stamp screens to PNG files so their look can be checked by eye:
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/tests/tamsel_stampviews_screenshots <folder>

#include "StampPictures.h"
#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "helpers/FakeFilePanels.h"
#include "helpers/PdfFixtures.h"
#include "helpers/TestUtil.h"
#include "look/Panel.h"
#include "look/SegmentedChoice.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"
#include "stamps/StampLibrary.h"
#include "stampviews/DrawingPad.h"
#include "stampviews/NewStampMenu.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/PlacedStamp.h"
#include "stampviews/ReadyStampsPicker.h"
#include "stampviews/SignPageArea.h"
#include "stampviews/SignPageStrip.h"
#include "stampviews/SignView.h"
#include "stampviews/StampLibraryPanel.h"
#include "stampviews/StampTile.h"
#include "views/PageImage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "helpers/Screenshots.h"
#include <cmath>
#include <functional>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

bool waitUntil(const std::function<bool()> &done, int ms = 20000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QCoreApplication::processEvents();
    return done();
}

// A signature photographed on paper, lifted by the stamp maker.
std::optional<StampMaker::Stamp> madeSignature()
{
    const auto made =
        TestUtil::await(StampMaker::shared().makeStamp(StampPictures::signatureOnPaper()));
    if (!made) {
        fprintf(stderr, "the maker failed: %s\n", qPrintable(made.error().message));
        return std::nullopt;
    }
    return made.value();
}

void drawSignature(DrawingPad *pad)
{
    // A hand-written looking name: a loop, a run of waves and an underline.
    QList<QPointF> first;
    for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0 * 2 * M_PI;
        first.append(QPointF(80 + 28 * std::sin(t) + 30 * t / (2 * M_PI),
                             110 - 48 * std::sin(t / 2) + 8 * std::cos(t)));
    }
    QList<QPointF> second;
    for (int i = 0; i <= 120; ++i) {
        const qreal x = 120 + i * 2.6;
        second.append(QPointF(x, 128 - 26 * std::abs(std::sin(i / 7.0)) - i * 0.15));
    }
    const QList<QPointF> underline{{70, 158}, {180, 154}, {300, 152}, {430, 149}};
    for (const QList<QPointF> &stroke : {first, second, underline}) {
        pad->beginStroke({stroke.first()});
        for (qsizetype i = 1; i < stroke.size(); ++i) {
            pad->extendStroke({stroke.at(i)});
        }
        pad->endStroke();
    }
}

bool tiles(AppModel &model)
{
    const std::optional<StampMaker::Stamp> signature = madeSignature();
    if (!signature) {
        return false;
    }
    StampLibrary *library = model.stamps();
    const auto signatureRecord = library->add(*signature, QString(), QUuid::createUuid());
    const auto paid = ReadyStampRenderer::render(QStringLiteral("PAID"),
                                                 ReadyStampRenderer::today(), StampInk::Blue);
    const auto paidRecord = library->add(*paid, QStringLiteral("PAID"), QUuid::createUuid());
    StampRecord missing{QUuid::createUuid(), QStringLiteral("Gone"), 0, 100, 100};

    auto *panel = new Panel(18);
    auto *title = new QLabel(QStringLiteral("Signatures & Stamps"));
    title->setFont(Theme::font(15, QFont::DemiBold));
    panel->addWidget(title);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(new StampTile(&model, *signatureRecord, 96));
    row->addWidget(new StampTile(&model, *paidRecord, 96));
    row->addWidget(new StampTile(&model, missing, 96));
    panel->contentLayout()->addLayout(row);
    auto *tall = new QHBoxLayout;
    tall->addWidget(new StampTile(&model, *signatureRecord, 180));
    tall->addStretch(2);
    panel->contentLayout()->addLayout(tall);

    QWidget *window = backdrop(panel);
    window->resize(720, 400);
    window->show();
    const bool ok = save(window, QStringLiteral("stamp-tiles"));
    delete window;
    return ok;
}

bool menu(AppModel &model)
{
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *button = new ThemeButton(NewStampMenu::title(), ThemeButton::Style::Secondary);
    button->setIcon(NewStampMenu::icon());
    auto *newMenu = new NewStampMenu(&model, button);
    button->setMenu(newMenu);
    layout->addWidget(button, 0, Qt::AlignLeft);
    layout->addStretch(1);
    QWidget *window = backdrop(content);
    window->resize(420, 200);
    window->show();
    QCoreApplication::processEvents();
    newMenu->popup(button->mapToGlobal(QPoint(0, button->height() + 4)));
    newMenu->setActiveAction(newMenu->drawingAction());
    waitUntil([newMenu] { return newMenu->isVisible(); });
    QCoreApplication::processEvents();
    QImage shot = window->grab().toImage();
    {
        QPainter p(&shot);
        p.drawImage(window->mapFromGlobal(newMenu->pos()), newMenu->grab().toImage());
    }
    newMenu->hide();
    const bool ok = saveImage(shot, QStringLiteral("new-stamp-menu"));
    delete window;
    return ok;
}

bool drawingPad(AppModel &model)
{
    NewStampSheet sheet(&model, StampSource::drawing());
    sheet.show();
    auto *pad = sheet.findChild<DrawingPad *>();
    drawSignature(pad);
    bool ok = save(&sheet, QStringLiteral("drawing-pad-blue"));
    pad->setInk(StampInk::Black);
    ok = save(&sheet, QStringLiteral("drawing-pad-black")) && ok;
    // The drawing lifted by the maker, as the sheet then shows it.
    pad->findChild<QPushButton *>("useSignatureButton")->click();
    ok = save(&sheet, QStringLiteral("new-stamp-sheet-working")) && ok;
    waitUntil([&sheet] { return sheet.stage() == NewStampSheet::Stage::Preview; });
    ok = save(&sheet, QStringLiteral("new-stamp-sheet-drawn")) && ok;
    return ok;
}

bool readyStamps(AppModel &model)
{
    bool ok = true;
    QSettings().setValue("readyStamps.addDate", false);
    for (const QString &ink :
         {QStringLiteral("red"), QStringLiteral("blue"), QStringLiteral("black")}) {
        QSettings().setValue("readyStamps.ink", ink);
        if (ink == QStringLiteral("black")) {
            QSettings().setValue("readyStamps.addDate", true);
        }
        NewStampSheet sheet(&model, StampSource::ready());
        sheet.show();
        auto *picker = sheet.findChild<ReadyStampsPicker *>();
        waitUntil([picker] {
            for (ReadyStamp stamp : allReadyStamps()) {
                if (picker->preview(picker->keyFor(stamp)).isNull()) {
                    return false;
                }
            }
            return true;
        });
        ok = save(&sheet, QStringLiteral("ready-stamps-") + ink) && ok;
    }
    return ok;
}

bool sheetFromPicture(AppModel &model, const QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("signature.jpg"));
    StampPictures::signatureOnPaper().save(path);
    bool ok = true;
    {
        NewStampSheet sheet(&model, StampSource::file(QUrl::fromLocalFile(path)));
        sheet.show();
        waitUntil([&sheet] { return sheet.stage() == NewStampSheet::Stage::Preview; });
        ok = save(&sheet, QStringLiteral("new-stamp-sheet-preview"));
    }
    {
        QImage blank(600, 400, QImage::Format_RGB32);
        blank.fill(Qt::white);
        NewStampSheet sheet(&model, StampSource::data(StampPictures::png(blank)));
        sheet.show();
        waitUntil([&sheet] { return sheet.stage() == NewStampSheet::Stage::Failed; });
        ok = save(&sheet, QStringLiteral("new-stamp-sheet-no-ink")) && ok;
    }
    return ok;
}

// A page as the Sign & Stamp screen draws it, with a signature and a stamp on it.
bool placedStamps(AppModel &model)
{
    const std::optional<StampMaker::Stamp> signature = madeSignature();
    const auto approved = ReadyStampRenderer::render(QStringLiteral("APPROVED"),
                                                     ReadyStampRenderer::today(), StampInk::Red);
    if (!signature || !approved) {
        return false;
    }
    const auto signatureRecord = model.stamps()->add(*signature, QString(), QUuid::createUuid());
    const auto approvedRecord =
        model.stamps()->add(*approved, QStringLiteral("APPROVED"), QUuid::createUuid());
    const QSizeF pageSize(420, 594);

    class Page : public QWidget
    {
    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter p(this);
            p.fillRect(rect(), Qt::white);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 30));
            for (int y = 60; y < 430; y += 18) {
                p.drawRect(QRectF(48, y, y % 90 == 24 ? 200 : 324, 6));
            }
        }
    };
    auto *page = new Page;
    page->setFixedSize(pageSize.toSize());
    new PlacedStamp(&model,
                    StampPlacement{QUuid::createUuid(), approvedRecord->id, {0.72, 0.2}, 0.34, -8},
                    pageSize, false, page);
    new PlacedStamp(
        &model, StampPlacement{QUuid::createUuid(), signatureRecord->id, {0.42, 0.82}, 0.42, 12},
        pageSize, true, page);
    auto *content = new QWidget;
    auto *layout = new QHBoxLayout(content);
    layout->addStretch(1);
    layout->addWidget(page);
    layout->addStretch(1);
    QWidget *window = backdrop(content, 36);
    window->show();
    const bool ok = save(window, QStringLiteral("placed-stamps"));
    delete window;
    return ok;
}

bool libraryPanel(AppModel &model, const QString &name, bool select)
{
    auto *panel = new StampLibraryPanel(&model);
    if (select && !model.stamps()->stamps().isEmpty()) {
        const StampRecord record = model.stamps()->stamps().first();
        panel->setSelected(StampPlacement{QUuid::createUuid(), record.id, {0.5, 0.5}, 0.34, -12.4});
    }
    auto *window = new QWidget;
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Theme::background());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(window);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    panel->setFixedWidth(StampLibraryPanel::preferredWidth);
    row->addWidget(panel);
    window->resize(480, 620);
    window->show();
    const bool ok = save(window, name);
    delete window;
    return ok;
}

// A three-page agreement with a line to sign on the first page.
bool writeAgreement(const QString &path)
{
    const QString body =
        QStringLiteral("The Client engages the Contractor to deliver the services described in "
                       "Schedule A, and the "
                       "Contractor agrees to perform them with due care and in line with the "
                       "timetable set out below. "
                       "Fees are invoiced monthly and fall due thirty days after the date of each "
                       "invoice. Either party "
                       "may end this agreement with sixty days' written notice to the other.");
    const qreal left = 64;
    const qreal width = 595 - 2 * left;
    return Fixtures::writePaintedPdf(path, 3, [&](QPainter &p, int index) {
        const int page = index + 1;
        qreal y = 72;
        if (page == 1) {
            p.setPen(QColor(20, 18, 16));
            p.setFont(QFont(QStringLiteral("DejaVu Serif"), 20, QFont::Bold));
            p.drawText(QRectF(left, y, width, 30), Qt::AlignLeft,
                       QStringLiteral("Service Agreement"));
            y += 34;
            p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
            p.setPen(QColor(110, 104, 98));
            p.drawText(QRectF(left, y, width, 16), Qt::AlignLeft,
                       QStringLiteral("Between Northwind Studio Ltd and Harbour Lane Trading Co."));
            y += 36;
        }
        p.setFont(QFont(QStringLiteral("DejaVu Serif"), 10));
        for (int section = 1; section <= (page == 1 ? 4 : 7); ++section) {
            p.setPen(QColor(20, 18, 16));
            p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
            const int number = (page - 1) * 7 + section;
            p.drawText(QRectF(left, y, width, 16), Qt::AlignLeft,
                       QStringLiteral("%1. Terms").arg(number));
            y += 20;
            p.setFont(QFont(QStringLiteral("DejaVu Serif"), 10));
            p.setPen(QColor(50, 46, 42));
            const QRectF text(left, y, width, 90);
            QRectF used;
            p.drawText(text, Qt::TextWordWrap | Qt::AlignJustify, body, &used);
            y += used.height() + 18;
        }
        if (page == 1) {
            y = 842 - 170;
            p.setPen(QPen(QColor(60, 56, 52), 0.8));
            p.drawLine(QPointF(left, y + 40), QPointF(left + 200, y + 40));
            p.drawLine(QPointF(595 - left - 150, y + 40), QPointF(595 - left, y + 40));
            p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
            p.setPen(QColor(110, 104, 98));
            p.drawText(QPointF(left, y + 54), QStringLiteral("Signature, for the Client"));
            p.drawText(QPointF(595 - left - 150, y + 54), QStringLiteral("Date"));
        }
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        p.setPen(QColor(140, 134, 128));
        p.drawText(QRectF(0, 842 - 40, 595, 14), Qt::AlignHCenter,
                   QStringLiteral("%1 of 3").arg(page));
    });
}

// The Sign & Stamp screen on a three-page agreement: a signature on the line
// and an approval stamp at the top of the first page, the signature selected.
bool signView(PDFEngine &engine, FakeFilePanels &panels, const QTemporaryDir &folder)
{
    AppModel model(AppModel::Services{&engine, nullptr, &panels,
                                      folder.filePath(QStringLiteral("sign-stamps"))});
    const QString path = folder.filePath(QStringLiteral("Service Agreement.pdf"));
    if (!writeAgreement(path)) {
        return false;
    }
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(path)}));
    OpenFile *file = model.files().value(0);
    const std::optional<StampMaker::Stamp> signature = madeSignature();
    const auto approved = ReadyStampRenderer::render(QStringLiteral("APPROVED"),
                                                     ReadyStampRenderer::today(), StampInk::Red);
    const auto paid =
        ReadyStampRenderer::render(QStringLiteral("PAID"), std::nullopt, StampInk::Blue);
    if (!file || !signature || !approved || !paid) {
        return false;
    }
    const auto signatureRecord = model.stamps()->add(*signature, QString(), QUuid::createUuid());
    const auto approvedRecord =
        model.stamps()->add(*approved, QStringLiteral("APPROVED"), QUuid::createUuid());
    model.stamps()->add(*paid, QStringLiteral("PAID"), QUuid::createUuid());

    const QUuid first = file->pages().first().id;
    auto stamp = model.place(*approvedRecord, file, first);
    stamp->center = QPointF(0.74, 0.12);
    stamp->width = 0.3;
    stamp->rotation = -8;
    model.update(*stamp, file, first);
    auto signed_ = model.place(*signatureRecord, file, first);
    signed_->center = QPointF(0.27, 0.775);
    signed_->width = 0.3;
    signed_->rotation = -3;
    model.update(*signed_, file, first);

    model.setSigningStartPage(first);
    model.setSigningFileID(file->id());
    bool ok = true;
    for (const QSize size : {QSize(1180, 780), QSize(780, 600)}) {
        SignView view(&model, file);
        view.resize(size);
        view.show();
        view.select(signed_->id);
        waitUntil([&] {
            if (!view.pageArea()->isShowingPicture()) {
                return false;
            }
            for (const PageItem &page : file->pages()) {
                if (model.thumbnails()
                        ->image(PageImage::key(page, SignPageStrip::thumbnailLongSide))
                        .isNull()) {
                    return false;
                }
            }
            return true;
        });
        ok = save(&view, QStringLiteral("sign-view-%1").arg(size.width())) && ok;
    }

    // A long document opened in its middle: the strip starts at that page.
    const QString longPath = folder.filePath(QStringLiteral("Minutes.pdf"));
    Fixtures::writeNumberedPdf(longPath, 40);
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(longPath)}));
    OpenFile *minutes = model.files().value(1);
    if (!minutes) {
        return false;
    }
    model.setSigningStartPage(minutes->pages().at(19).id);
    SignView view(&model, minutes);
    view.resize(1000, 640);
    view.show();
    waitUntil([&] {
        const auto [first, last] = view.strip()->visibleRange();
        for (int i = first; first >= 0 && i <= last; ++i) {
            if (model.thumbnails()
                    ->image(
                        PageImage::key(minutes->pages().at(i), SignPageStrip::thumbnailLongSide))
                    .isNull()) {
                return false;
            }
        }
        return view.pageArea()->isShowingPicture();
    });
    return save(&view, QStringLiteral("sign-view-long")) && ok;
}

// The Sign & Stamp screen on the agreement's second page after a picture
// pasted on it went through the new-stamp sheet: the new stamp in the panel's
// library and on the page, selected.
bool pastedOnPageTwo(PDFEngine &engine, FakeFilePanels &panels, const QTemporaryDir &folder)
{
    AppModel model(AppModel::Services{&engine, nullptr, &panels,
                                      folder.filePath(QStringLiteral("pasted-stamps"))});
    const QString path = folder.filePath(QStringLiteral("Service Agreement.pdf"));
    if (!QFileInfo::exists(path) && !writeAgreement(path)) {
        return false;
    }
    TestUtil::waitFor(model.open({QUrl::fromLocalFile(path)}));
    OpenFile *file = model.files().value(0);
    if (!file || file->pages().size() < 2) {
        return false;
    }
    model.setSigningStartPage(file->pages().at(1).id);
    model.setSigningFileID(file->id());
    SignView view(&model, file);
    view.resize(1180, 780);
    view.show();
    QGuiApplication::clipboard()->setImage(StampPictures::signatureOnPaper());
    if (!view.panel()->takePicture(QGuiApplication::clipboard()->mimeData())) {
        return false;
    }
    NewStampSheet *sheet = view.panel()->presenter()->sheet();
    if (!sheet || !waitUntil([sheet] { return sheet->stage() == NewStampSheet::Stage::Preview; })) {
        return false;
    }
    sheet->findChild<QAbstractButton *>(QStringLiteral("saveButton"))->click();
    const bool placed = waitUntil([&] {
        return file->pages().at(1).stamps.size() == 1 && view.pageArea()->isShowingPicture() &&
               !view.panel()->presenter()->sheet();
    });
    return placed && save(&view, QStringLiteral("sign-view-pasted-page-2"));
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QStringLiteral("screenshots"));

    QTemporaryDir folder;
    FakeFilePanels panels;
    PDFEngine engine;
    bool ok = true;
    {
        AppModel model(AppModel::Services{&engine, nullptr, &panels,
                                          folder.filePath(QStringLiteral("stamps"))});
        ok = tiles(model) && ok;
        ok = menu(model) && ok;
        ok = drawingPad(model) && ok;
        ok = readyStamps(model) && ok;
        ok = sheetFromPicture(model, folder) && ok;
        ok = placedStamps(model) && ok;
        ok = libraryPanel(model, QStringLiteral("library-panel"), true) && ok;
    }
    {
        AppModel empty(
            AppModel::Services{&engine, nullptr, &panels, folder.filePath(QStringLiteral("none"))});
        ok = libraryPanel(empty, QStringLiteral("library-panel-empty"), false) && ok;
    }
    ok = signView(engine, panels, folder) && ok;
    ok = pastedOnPageTwo(engine, panels, folder) && ok;
    return ok ? 0 : 1;
}
