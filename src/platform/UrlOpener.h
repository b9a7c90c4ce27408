#pragma once

// Hands a link to the desktop: web pages to the browser, mailto: links to the
// mail program.

#include <QUrl>

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // False when the desktop has nothing that opens it; callers may ignore that.
    virtual bool open(const QUrl &url) = 0;
};

// QDesktopServices. Main thread only.
class SystemUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override;
};
