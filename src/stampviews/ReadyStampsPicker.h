#pragma once

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "stamps/ReadyStamps.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <optional>

class AppModel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class ReadyStampTile;
class SegmentedChoice;

// Ready-made text stamps in three inks, previewed live, and a word of the
// user's own. Choosing one makes sure it is in the stamp library (each word,
// date and ink is stored once) and reports its record. The ink and whether
// words carry today's date are remembered ("readyStamps.ink",
// "readyStamps.addDate").
class ReadyStampsPicker : public QWidget
{
    Q_OBJECT

public:
    explicit ReadyStampsPicker(AppModel *model, QWidget *parent = nullptr);

    // The stored ink; a stored text that names no ink counts as red.
    StampInk ink() const;
    bool addsDate() const { return m_addDate; }

    // The date a tile of `stamp` carries with the current setting.
    std::optional<QString> dateFor(ReadyStamp stamp) const;
    // The preview key of the tile of `stamp` with the current ink and date setting.
    QString keyFor(ReadyStamp stamp) const;
    // The preview of a tile key once it has been drawn.
    QImage preview(const QString &key) const { return m_previews.value(key); }

    static constexpr int minimumTileWidth = 150;
    static constexpr int tileHeight = 70;
    static constexpr int tileSpacing = 10;

signals:
    void chosen(const StampRecord &record);
    // The library could not store the chosen stamp; `message` says why.
    void failed(const QString &message);

private:
    void setInkRaw(const QString &raw);
    void setAddDate(bool on);
    void refreshTiles();
    QFuture<void> drawPreview(QString key, std::optional<QString> word, std::optional<QString> date,
                              StampInk ink);
    QFuture<void> choose(std::optional<QString> word, std::optional<QString> date);
    void addCustom();

    QPointer<AppModel> m_model;
    QString m_inkRaw;
    bool m_addDate = false;
    // Every key ever shown keeps its picture, so going back to an earlier ink
    // or date setting shows the previews at once.
    QHash<QString, QImage> m_previews;
    QSet<QString> m_drawing; // keys whose preview is being drawn

    SegmentedChoice *m_inkPicker;
    QCheckBox *m_dateToggle;
    QWidget *m_grid;
    QList<ReadyStampTile *> m_tiles;
    QLineEdit *m_customField;
    QPushButton *m_addButton;
};
