#pragma once

// A real app model for the about screens, with a clipboard, a clock and a link
// opener that only record what they are asked.

#include "helpers/FakeClock.h"
#include "helpers/FakeDesktop.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "platform/UrlOpener.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

class FakeUrlOpener : public UrlOpener
{
public:
    QList<QUrl> opened;

    bool open(const QUrl &url) override
    {
        opened.append(url);
        return true;
    }
};

struct AboutFixture
{
    QTemporaryDir folder;
    FakeClock clock;
    FakeClipboard clipboard;
    FakeUrlOpener opener;
    std::unique_ptr<AppModel> model = std::make_unique<AppModel>(AppModel::Services{
        nullptr, &clock, nullptr, folder.filePath(QStringLiteral("stamps")), &clipboard});

    // Settings and data folders of the test only; the same names as the program.
    static void setUpApplication()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Tamsel"));
        QCoreApplication::setApplicationName(QStringLiteral("Tamsel"));
        if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
            Theme::apply(*app);
        }
        QSettings().clear();
    }
};
