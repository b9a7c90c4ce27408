// Renders the window in other languages at its default size, to see that
// longer words and other scripts fit: the home screen, a document alone and with
// the compress sheet over it, and the QR Codes screen with a found link. Not a test:
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/tests/tamsel_shots_languages <folder> [de ja ru
//   …]

#include "ShellFixture.h"

#include "aboutviews/AppLanguage.h"
#include "app/MainWindow.h"
#include "app/RootView.h"
#include "codes/CodesModel.h"
#include "helpers/OutputFixtures.h"
#include "helpers/Screenshots.h"
#include "views/CompressSheet.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QScreen>

namespace {

using Screenshots::waitUntil;

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
}

// The window with its sheet where the sheet stands, dimmed behind it as the
// desktop shows a window-modal sheet.
QImage withSheet(QWidget &window, QWidget &sheet)
{
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0, 0, 0, 60));
    const QImage front = sheet.grab().toImage();
    QPoint at = sheet.mapToGlobal(QPoint()) - window.mapToGlobal(QPoint());
    if (!image.rect().contains(QRect(at, front.size()))) {
        at = QPoint((image.width() - front.width()) / 2, 40);
    }
    painter.drawImage(at, front);
    return image;
}

bool shoot(const QString &code)
{
    AppLanguage::installTranslations(*qApp, code);
    QString prefix = code;
    prefix.replace(QLatin1Char('-'), QLatin1Char('_'));
    prefix += QLatin1Char('-');
    bool ok = true;

    ShellFixture shell;
    const QString path = shell.folder.filePath(QStringLiteral("Quarterly report.pdf"));
    if (!Fixtures::writeImagePdf(
            path, QList<Fixtures::ImagePage>(4, Fixtures::ImagePage{QSize(2400, 1800)}))) {
        qFatal("could not write %s", qPrintable(path));
    }
    OpenFile *document = shell.open({QUrl::fromLocalFile(path)});

    MainWindow window(shell.model.get());
    shell.model->setDestination(Destination::home());
    window.show();
    settle();
    ok = Screenshots::save(&window, prefix + QStringLiteral("home")) && ok;

    shell.model->setDestination(Destination::file(document->id()));
    settle();
    ok = Screenshots::save(&window, prefix + QStringLiteral("document")) && ok;
    // The longest status line: three pages chosen, nothing saved yet.
    QSet<QUuid> chosen;
    for (const PageItem &page : document->pages().mid(0, 3)) {
        chosen.insert(page.id);
    }
    document->setSelection(chosen);
    document->setEdited(true);
    settle();
    ok = Screenshots::save(&window, prefix + QStringLiteral("document-selected")) && ok;
    window.rootView()->sidebarAction()->trigger();
    settle();
    ok = Screenshots::save(&window, prefix + QStringLiteral("document-no-sidebar")) && ok;
    window.rootView()->sidebarAction()->trigger();
    document->setSelection({});
    if (auto *compress = window.findChild<QAbstractButton *>(QStringLiteral("compressButton"))) {
        compress->click();
    }
    waitUntil([&] { return qobject_cast<CompressSheet *>(window.rootView()->currentModal()); });
    auto *sheet = qobject_cast<CompressSheet *>(window.rootView()->currentModal());
    if (sheet) {
        waitUntil([&] { return sheet->measured(Compression::Choice::Small).has_value(); });
        settle();
        ok = Screenshots::saveImage(withSheet(window, *sheet),
                                    prefix + QStringLiteral("document-compress")) &&
             ok;
        sheet->reject();
        settle();
    } else {
        ok = false;
    }

    shell.model->codes()->setFound({
        FoundCode{QUuid::createUuid(),
                  QStringLiteral("http://paypal.com-secure-login.example.net/verify?id=88213"),
                  CodeSymbology::QR, QStringLiteral("Invoice March.pdf"), 2},
    });
    shell.model->setDestination(Destination::codes());
    settle();
    ok = Screenshots::save(&window, prefix + QStringLiteral("codes-link")) && ok;

    // The language picker open, its pop-up a window of its own: the whole display.
    shell.model->setDestination(Destination::about());
    settle();
    if (auto *picker = window.findChild<QComboBox *>(QStringLiteral("languagePicker"))) {
        picker->showPopup();
        settle();
        if (QAbstractItemView *list = picker->view()) {
            const QModelIndex hovered = picker->model()->index(picker->currentIndex() + 3, 0);
            QTest::mouseMove(list->viewport(), list->visualRect(hovered).center());
            list->setCurrentIndex(hovered);
        }
        settle();
        ok = Screenshots::saveImage(window.screen()->grabWindow(0).toImage(),
                                    prefix + QStringLiteral("about-picker")) &&
             ok;
        picker->hidePopup();
    } else {
        ok = false;
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QStringLiteral("screenshots"));
    QStringList codes;
    for (int i = 2; i < argc; ++i) {
        codes << QString::fromLocal8Bit(argv[i]);
    }
    if (codes.isEmpty()) {
        codes = {QStringLiteral("de"), QStringLiteral("ja"), QStringLiteral("ru")};
    }
    bool ok = true;
    for (const QString &code : codes) {
        ok = shoot(code) && ok;
    }
    return ok ? 0 : 1;
}
