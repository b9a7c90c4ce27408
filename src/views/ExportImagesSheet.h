#pragma once

#include "model/AppModel.h"
#include "views/ToolSheetFrame.h"

#include <QPointer>

class OpenFile;
class QComboBox;
class QLabel;
class SegmentedChoice;

// Exports the selected pages of an open file (all pages when none is selected)
// as one PNG or JPEG picture each, into a folder the user chooses. The format
// and the resolution are remembered for the next time as soon as they are
// picked, also when the sheet is then cancelled.
class ExportImagesSheet : public ToolSheetFrame
{
    Q_OBJECT

public:
    ExportImagesSheet(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    // The stored preferences "export.jpeg" (false: PNG) and "export.dpi" (200
    // when unset). A dpi written outside the program is used as it stands.
    static bool storedJpeg();
    static int storedDpi();

    // The files the export of `file` writes: its name, "page" and the page's
    // number in the document, one per exported page in document order.
    static QList<AppModel::OutputName> outputNames(const OpenFile &file, bool jpeg);

private:
    // Closes the sheet, then asks for the folder and writes the pictures.
    void exportPictures();

    AppModel *m_model;
    QPointer<OpenFile> m_file;
    SegmentedChoice *m_format;
    QComboBox *m_resolution;
    int m_dpi;
};
