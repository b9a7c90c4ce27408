#pragma once

// What the programs that render screens to pictures share: where the pictures
// go, writing one, and a plain background around a piece shown on its own.
// Header-only, since only those programs (which link the widgets) use it.

#include "look/Theme.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

namespace Screenshots {

inline QString &folder()
{
    static QString path;
    return path;
}

// The folder named by the first argument, else `fallback`; made if missing.
inline void setUp(int argc, char *argv[], const QString &fallback)
{
    folder() = argc > 1 ? QString::fromLocal8Bit(argv[1]) : fallback;
    QDir().mkpath(folder());
}

inline bool saveImage(const QImage &image, const QString &name)
{
    const QString path = QDir(folder()).filePath(name + QStringLiteral(".png"));
    const bool ok = image.save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Lets pending layout and paint events run first.
inline bool save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    return saveImage(widget->grab().toImage(), name);
}

// Runs events until `done` holds or `ms` have passed; whether it holds.
template<typename Predicate> bool waitUntil(Predicate done, int ms = 120000)
{
    return QTest::qWaitFor(done, ms);
}

// A window of the screens' background colour around `content`.
inline QWidget *backdrop(QWidget *content, int margin = 24)
{
    auto *window = new QWidget;
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Theme::background());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(content);
    return window;
}

} // namespace Screenshots
