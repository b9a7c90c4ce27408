#include "stampviews/StampTile.h"

#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

StampTile::StampTile(AppModel *model, const StampRecord &record, int height, QWidget *parent)
    : PictureBox(Backdrop::Checkerboard, 12, 8, parent)
    , m_model(model)
    , m_record(record)
{
    setObjectName(QStringLiteral("stampTile"));
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumWidth(height / 2);
    if (model && model->stamps()) {
        connect(model->stamps(), &StampLibrary::imagesChanged, this, &StampTile::refresh);
    }
    refresh();
}

void StampTile::refresh()
{
    QImage picture;
    if (m_model && m_model->stamps()) {
        picture = m_model->stamps()->images().value(m_record.id);
    }
    setImage(picture);
}
