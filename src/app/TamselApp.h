#pragma once

#include "app/AppDelegate.h"
#include "model/AppModel.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class DialogFilePanels;
class InstanceChannel;
class MainWindow;

// The program as a whole: one model, its one window, the delegate that opens
// the files the desktop hands over, and the channel through which a later
// launch passes its files to this one.
class TamselApp : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QStringList arguments; // the command line after the program's name
        QString workingFolder; // what relative names on it are relative to
        QString channelName;   // the hand-over socket's path: one running program per path
        // Absent: the shared engine, the system clock and window-modal file panels.
        std::optional<AppModel::Services> services;
    };

    explicit TamselApp(Options options, QObject *parent = nullptr);
    ~TamselApp() override;

    // Shows the window and opens the files named on the command line once it
    // shows. When another instance is running it takes those files instead;
    // then nothing is shown and this returns false.
    bool start();

    AppModel *model() const { return m_model.get(); }
    MainWindow *window() const { return m_window.get(); }
    AppDelegate *delegate() { return &m_delegate; }

signals:
    // The user agreed to quit and whatever was running has ended.
    void quitConfirmed();

private:
    Options m_options;
    AppDelegate m_delegate;
    InstanceChannel *m_channel = nullptr;
    // Declared so the window goes before the model, and the model before the panels it uses.
    std::unique_ptr<DialogFilePanels> m_panels;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<MainWindow> m_window;
};
