#pragma once

#include "views/ToolSheetFrame.h"

#include <QPointer>

#include <optional>

class AppModel;
class OpenFile;
class QLabel;
class QLineEdit;

// Saves a copy of an open file with a new password or, for a file that was
// opened with one, without it. The open file and its source stay as they are:
// the copy goes where the user chooses in the save panel.
class PasswordSheet : public ToolSheetFrame
{
    Q_OBJECT

public:
    PasswordSheet(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    // The file was opened with a password.
    bool isProtected() const { return m_protected; }

private:
    void updateState();
    // Closes the sheet, then asks where to save: no password when absent.
    void saveCopy(const std::optional<QString> &password);

    AppModel *m_model;
    QPointer<OpenFile> m_file;
    const bool m_protected;
    QLineEdit *m_password;
    QLineEdit *m_repeated;
    QLabel *m_mismatch;
};
