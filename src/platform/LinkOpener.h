#pragma once

// Hands a web address to the user's browser.

#include <QUrl>

class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    // Fire and forget: a refused request is not reported.
    virtual void open(const QUrl &url) = 0;
};

// The desktop's default handler for the address's scheme.
class SystemLinkOpener : public LinkOpener
{
public:
    void open(const QUrl &url) override;
};
