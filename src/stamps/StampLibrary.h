#pragma once

// The user's saved signatures and stamps: one folder holding the index
// "stamps.json" and one "<ID>.png" per stamp (the id in upper-case canonical
// text). The library is the only writer of that folder while the app runs.
//
// Thread contract: main thread only. Every change is written to disk before the
// call returns (the files are small); failures never throw, they set
// errorMessage, which stays until a caller replaces it. Observed properties
// notify only on a real change.

#include "document/DocumentTypes.h"
#include "stamps/StampMaker.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <optional>

class StampLibrary : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<StampRecord> stamps READ stamps NOTIFY stampsChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    // Touches nothing on disk; call load() next. A change made before load()
    // loads first, so it never replaces an index that was not read.
    explicit StampLibrary(QString folder, QObject *parent = nullptr);

    QString folder() const { return m_folder; }

    // The records in index order; new ones at the end. Ids are unique.
    const QList<StampRecord> &stamps() const { return m_stamps; }
    // The decoded picture of every record whose PNG could be read.
    const QHash<QUuid, QImage> &images() const { return m_images; }
    // The last failed change; null while none failed.
    QString errorMessage() const { return m_errorMessage; }
    void clearErrorMessage() { setErrorMessage(QString()); }

    // Reads the index and the pictures. A missing index leaves the library
    // empty. Records are taken one by one, so one damaged record costs only
    // itself; an index that could not be taken whole is copied aside before the
    // first change overwrites it. Records whose picture file is missing are left out.
    void load();

    // Every record's picture file, whether or not it exists.
    QHash<QUuid, QUrl> files() const;
    std::optional<StampRecord> record(const QUuid &id) const;
    // "Signature" for wide stamps (ratio 1.6 and more), else "Stamp"; numbered
    // from 2 when the name is taken.
    QString suggestedName(const StampMaker::Stamp &stamp) const;

    // Stores a new stamp under `id`. An id already in the library returns its
    // record untouched, so choosing the same ready stamp twice stores it once.
    // Nothing on failure (errorMessage says why; nothing is left behind).
    std::optional<StampRecord> add(const StampMaker::Stamp &stamp, const QString &name,
                                   const QUuid &id);
    // A blank name is ignored.
    void rename(const QUuid &id, const QString &name);
    // Rewrites the index without the record, then removes its picture.
    void remove(const QUuid &id);

    // The picture file of a stamp id.
    QString pictureFile(const QUuid &id) const;
    QString indexFile() const;

signals:
    void stampsChanged();
    void imagesChanged();
    void errorMessageChanged();

private:
    bool write(const QList<StampRecord> &records);
    bool keepDamagedIndexAside();
    void setStamps(const QList<StampRecord> &stamps);
    void setImages(const QHash<QUuid, QImage> &images);
    void setErrorMessage(const QString &message);

    const QString m_folder;
    QList<StampRecord> m_stamps;
    QHash<QUuid, QImage> m_images;
    QString m_errorMessage;
    // The index on disk holds something load() could not take whole; it must be
    // copied aside before it is replaced.
    bool m_indexDamaged = false;
    bool m_loaded = false;
};
