#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

class AppModel;

// Opens the files the desktop hands to the program: those named on the command
// line and those a later launch passes on. Files that arrive before the model
// is ready wait and are then opened together, in one call, so the pictures
// among them become one document.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr)
        : QObject(parent)
    {}

    AppModel *model() const { return m_model; }
    // Called once the window shows; opens what waited. The model is not owned.
    void setModel(AppModel *model);

    // Opens `urls` at once when the model is ready, otherwise after it is.
    void openFiles(const QList<QUrl> &urls);

    QList<QUrl> pending() const { return m_pending; }

private:
    QPointer<AppModel> m_model;
    QList<QUrl> m_pending;
};
