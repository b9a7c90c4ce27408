#pragma once

// Pictures handed to a stamp screen by a drop or a paste, turned into where the
// new-stamp sheet takes its picture from. Both stamp screens take them alike.

#include "stampviews/StampSource.h"

#include <QList>
#include <QUrl>

#include <optional>

class NewStampPresenter;
class QDragEnterEvent;
class QMimeData;
class QWidget;

namespace PictureIntake {

// The first of `urls` that is a picture file (judged by its extension,
// whatever its case); folders and other files are passed over.
std::optional<QUrl> firstPicture(const QList<QUrl> &urls);

// The first picture file among the data's files; else the picture bytes it
// carries (a browser or an image viewer hands pictures over that way); else
// nothing.
std::optional<StampSource> source(const QMimeData *data);

// Accepts a drag that offers files or a picture, so that a screen may take it.
void judgeDrag(QDragEnterEvent *event);

// Presents the new-stamp sheet for source(data); true when there was a picture.
bool present(const QMimeData *data, NewStampPresenter *presenter);

// Ctrl+V on `screen` while it is shown: present() of the clipboard's data.
void takePastes(QWidget *screen, NewStampPresenter *presenter);

} // namespace PictureIntake
