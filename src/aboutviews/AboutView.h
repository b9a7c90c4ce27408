#pragma once

#include <QList>
#include <QMetaObject>
#include <QScrollArea>
#include <QString>

#include <functional>
#include <optional>

class AppModel;
class QComboBox;
class QLabel;
class QVBoxLayout;
class ThemeButton;
class UrlOpener;

class Spinner;

// What the window shows for the about destination: the product and its
// version, the outcome of the manual update check, the language choice with
// its restart, the ways to support and recommend the program, and links to
// the maker's pages. It starts no check of its own; it shows what the model
// holds and redraws when that changes.
class AboutView : public QScrollArea
{
    Q_OBJECT

public:
    struct Link
    {
        QString symbol; // a theme icon name or a resource path
        QString title;  // shown as it is
        QString url;    // a row only when it parses as an absolute URL
    };

    explicit AboutView(AppModel *model, QWidget *parent = nullptr);

    // Where links and "Download" go; the desktop's browser and mail program
    // unless a test hands in another.
    void setUrlOpener(UrlOpener *opener) { m_opener = opener; }
    // What "Restart Tamsel" does; AppLanguage::relaunch() unless a test hands in another.
    void setRestartAction(std::function<void()> restart) { m_restart = std::move(restart); }

    // The language picked in the panel; absent for "Same as system".
    std::optional<QString> language() const { return m_language; }

    static QList<Link> helpLinks();
    static QList<Link> followLinks();
    static QList<Link> moreLinks();

private:
    QWidget *section(const QString &title, int spacing, QVBoxLayout *&content);
    QWidget *linksPanel(const QString &title, const QList<Link> &links);
    void buildUpdates(QVBoxLayout *column);
    void buildLanguage(QVBoxLayout *column);
    void buildSupport(QVBoxLayout *column);
    void buildTellAFriend(QVBoxLayout *column);
    void updateCheckRow();
    void updateStatus();
    void updateLanguageRow();
    void updateReleaseRow();
    void watchFiles();
    void pickLanguage(int index);
    bool hasUnsavedChanges() const;

    AppModel *m_model;
    UrlOpener *m_opener;
    std::function<void()> m_restart;
    std::optional<QString> m_language;
    QList<QMetaObject::Connection> m_fileConnections;

    ThemeButton *m_checkButton = nullptr;
    Spinner *m_checkSpinner = nullptr;
    QWidget *m_status = nullptr;
    QVBoxLayout *m_statusLayout = nullptr;
    QComboBox *m_languagePicker = nullptr;
    QWidget *m_restartRow = nullptr;
    QLabel *m_restartNote = nullptr;
    ThemeButton *m_restartButton = nullptr;
};
