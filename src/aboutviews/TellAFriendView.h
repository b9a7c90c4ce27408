#pragma once

#include <QDialog>

class AppModel;
class QLabel;
class QPushButton;
class ThemeButton;
class UrlOpener;

// Asks the user to recommend the program: a fixed message and the product
// page, passed on by mail or through the clipboard. It sends nothing itself.
// Its one lasting effect: "friend.state" becomes "done" once the user shares
// or copies, after which the model never offers it again. Closing it records
// nothing. Opened window-modal with open(); closes itself on "Not Now"/"Done"
// and Escape.
class TellAFriendView : public QDialog
{
    Q_OBJECT

public:
    explicit TellAFriendView(AppModel *model, QWidget *parent = nullptr);

    // The recommendation in the language the program started with.
    static QString message();
    // What the panel shows and copies: the message, a space, the page address.
    static QString sharedText();

    // Where "Email…" goes; the desktop's mail program unless a test hands in another.
    void setUrlOpener(UrlOpener *opener) { m_opener = opener; }

private:
    void share();
    void copyMessage();
    void answered();
    void updateButtons();

    AppModel *m_model;
    UrlOpener *m_opener;
    bool m_copied = false;
    bool m_shared = false;
    ThemeButton *m_shareButton;
    ThemeButton *m_copyButton;
    QPushButton *m_closeButton;
};
