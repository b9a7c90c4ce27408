// Renders the QR Codes screen to PNG files so its look can be checked by eye.
// Run on a virtual X display:
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/tests/tamsel_codes_screenshots out/

#include "app/MainWindow.h"
#include "codes/CodesModel.h"
#include "codeviews/CodesView.h"
#include "engine/PDFEngine.h"
#include "look/Theme.h"
#include "model/AppModel.h"

#include "helpers/Screenshots.h"
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

using Screenshots::backdrop;
using Screenshots::save;
using Screenshots::saveImage;

FoundCode code(const QString &payload, CodeSymbology symbology, const QString &origin,
               std::optional<int> page = std::nullopt)
{
    return FoundCode{QUuid::createUuid(), payload, symbology, origin, page};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Theme::apply(app);
    Screenshots::setUp(argc, argv, QDir::currentPath());

    QTemporaryDir files;
    PDFEngine engine;
    AppModel model(
        AppModel::Services{&engine, nullptr, nullptr, files.filePath(QStringLiteral("stamps"))});
    bool ok = true;

    {
        CodesView view(&model);
        view.resize(900, 640);
        view.show();
        ok = save(&view, QStringLiteral("codes-empty")) && ok;

        // A drag of files hovering over the drop zone.
        auto *zone = view.findChild<CodesDropZone *>();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(files.filePath(QStringLiteral("scan.png")))});
        QDragEnterEvent enter(zone->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(zone, &enter);
        ok = save(&view, QStringLiteral("codes-targeted")) && ok;
    }

    model.codes()->setFound({
        code(QStringLiteral("http://paypal.com-secure-login.example.net/"
                            "verify?id=88213&session=7f3a9c2e41b8d6f0a5e9c3b7d1f4a8e2c6b0d9f3"),
             CodeSymbology::QR, QStringLiteral("Invoice March.pdf"), 2),
        code(QStringLiteral("https://www.example.org/menu"), CodeSymbology::QR,
             QStringLiteral("Pasted image")),
        code(QStringLiteral("WIFI:T:WPA;S:Cafe Central Guest;P:espresso-2026;;"), CodeSymbology::QR,
             QStringLiteral("table-card.jpg")),
        code(
            QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:Doe;Jane;;;\nFN:Jane Doe\nORG:Example Ltd\n"
                           "TEL;TYPE=CELL:+44 20 7946 0958\nEMAIL:jane.doe@example.com\nEND:VCARD"),
            CodeSymbology::QR, QStringLiteral("business-card.png")),
        code(QStringLiteral("4006381333931"), CodeSymbology::EAN13, QStringLiteral("Pasted image")),
        code(QStringLiteral("9780306406157"), CodeSymbology::EAN13,
             QStringLiteral("Library list.pdf"), 14),
    });
    {
        CodesView view(&model);
        view.resize(900, 1900);
        view.show();
        ok = save(&view, QStringLiteral("codes-found")) && ok;

        model.codes()->setReading(true);
        model.codes()->setEmptyMessage(QStringLiteral("No codes found in “holiday photo.jpg”."));
        view.resize(900, 700);
        ok = save(&view, QStringLiteral("codes-reading")) && ok;

        view.resize(560, 1400);
        ok = save(&view, QStringLiteral("codes-narrow")) && ok;
    }
    {
        // In the window, beside the sidebar.
        MainWindow window(&model);
        window.resize(1100, 760);
        model.setDestination(Destination::codes());
        window.show();
        model.setToast(Toast{QStringLiteral("Copied"), std::nullopt});
        // Until the window's layout and the toast's slide have settled.
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
        }
        ok = save(&window, QStringLiteral("codes-window")) && ok;
    }
    return ok ? 0 : 1;
}
