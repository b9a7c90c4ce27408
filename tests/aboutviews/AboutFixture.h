#pragma once

// A real app model for the about screens, with a clipboard, a clock and a link
// opener that only record what they are asked.

#include "helpers/ModelFixture.h"
#include "look/Theme.h"
#include "platform/UrlOpener.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

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

struct AboutFixture : ModelFixture
{
    FakeUrlOpener opener;

    AboutFixture()
        : ModelFixture(Engine::None)
    {}

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
