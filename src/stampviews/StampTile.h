#pragma once

#include "document/DocumentTypes.h"
#include "stampviews/PictureBox.h"

#include <QPointer>

class AppModel;

// One library stamp over the checkerboard in a rounded tile of a fixed height
// and any width. Follows the library: the picture appears when it is loaded
// and goes when it is removed. The tile has no action of its own; callers put
// it into buttons or grids.
class StampTile : public PictureBox
{
    Q_OBJECT

public:
    StampTile(AppModel *model, const StampRecord &record, int height, QWidget *parent = nullptr);

    StampRecord record() const { return m_record; }
    // True when the library's picture of the record is shown.
    bool showsPicture() const { return !image().isNull(); }

private:
    void refresh();

    QPointer<AppModel> m_model;
    const StampRecord m_record;
};
