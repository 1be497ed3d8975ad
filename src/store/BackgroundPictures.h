#pragma once
// A format's background picture (the JPEG bytes of its scanned blank bill).
// On the file store it is the file BackgroundPicturePath(name) in the data folder. On a
// server store the data folder is not shared between seats, so the bytes live in the
// table 底图 and the file at BackgroundPicturePath(name) is only this seat's copy,
// refreshed by Fetch (opening a format fetches it): drawing and printing read that file,
// the database stays the truth.
#include <QByteArray>
#include <QString>

class Database;

class BackgroundPictures {
public:
    explicit BackgroundPictures(Database& db) : db_(db) {}

    bool Exists(const QString& formatName);
    // Empty when the format has none (or it cannot be read).
    QByteArray Read(const QString& formatName);
    // Replaces the picture; on a server within the caller's transaction when one is open.
    bool Write(const QString& formatName, const QByteArray& jpeg);
    // True also when there was none.
    bool Remove(const QString& formatName);
    // Carries the picture to the new name. On a server this is a row of the caller's
    // transaction; on the file store the file is renamed at once (UndoRename).
    bool Rename(const QString& oldName, const QString& newName);
    // Brings this seat's file up to date with the database (a server store only) and
    // returns its path; empty when the format has no picture.
    QString Fetch(const QString& formatName);
    // After the seat's file was changed in place (the designer replaces or clears it):
    // the database takes the file's bytes, or loses the picture when the file is gone.
    bool Publish(const QString& formatName);
    // What deleting the format does to its picture, inside the deletion's transaction: the
    // server's row goes with it; the file store keeps the scan file, which a format of that
    // name made later takes over.
    bool ForgetWithFormat(const QString& formatName);
    // Deleting every format at once: the server's rows all go (the file store keeps its
    // scan files, as when one format is deleted).
    bool ForgetAll();
    // True when the pictures are rows of the store's transactions (a server); the file
    // store's picture files are written at once, whatever the transaction does after.
    bool InDatabase() const;
    // A rename must not take over a picture that already has the new name: on the file
    // store a file some deleted format left (two names can also share one file name, and
    // then nothing is in the way). A server's rows go with their formats.
    bool InTheWayOfRename(const QString& oldName, const QString& newName);
    // After Rename, when the rename's transaction did not commit: puts the file back.
    void UndoRename(const QString& oldName, const QString& newName);

private:
    // The picture's file: the file store's own, or this seat's copy of the server's.
    QString FileOf(const QString& formatName) const;

    Database& db_;
};

// The picture's file name in its folder: the format name with * ? < > / \ : | "
// replaced by the digits 0..8, and ".jpg".
QString PictureFileName(const QString& formatName);
// Where BackgroundPicturePath puts the pictures: the data folder, or the seat's copies.
QString BackgroundPictureFolder();
// On a server store the seat's copies of the pictures live in a folder of their own
// under the data folder, one per server, so that a file store's pictures in the same
// data folder are never taken for copies. Called once the server store is open.
void UseSeatPictureCopies(const QString& serverDescription);
