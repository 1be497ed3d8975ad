#pragma once
// Reading and writing formats in table Fmt: page parameters, box records, the
// last-use row, save-as and delete. Each write is one transaction, so a crash
// leaves the old format or the new one, never a mix.
#include "store/Format.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <optional>

class Asker;
class Database;
class Progress;

class FormatStore {
public:
    explicit FormatStore(Database& db) : db_(db) {}
    Database& Db() const { return db_; }

    // Whether this seat may add, change and delete formats: always in the file; on a
    // server store, when the server grants its user that (the designer role).
    bool MayChangeFormats();
    // Whether a format of this name has any rows (page parameters or boxes).
    bool Exists(const QString& name);
    // The names of all formats that have a page-parameter row, sorted.
    QStringList FormatNames();

    // Page parameters of a format; nullopt when it has no page-parameter row.
    std::optional<PageParams> LoadPageParams(const QString& name);
    // Writes the page-parameter row (adds it when missing, never a second one).
    // `screenWidthTwips` becomes the design width stored in `Color`.
    bool SavePageParams(const QString& name, const PageParams& page, qint64 screenWidthTwips);

    // The box records of a format ordered by kind, then ID, with the font size
    // scaled for this screen. nullopt when the format has no page-parameter row.
    std::optional<Format> LoadFormat(const QString& name, qint64 screenWidthTwips);

    // Stores `format.boxes` and the page parameters under `name` (empty: format.name)
    // in one transaction: rows of boxes no longer present are deleted, boxes with a
    // temporary ID or an ID not of this format get new rows, and links (RCtl, SumID,
    // SumID1, RCtl1) pointing at old IDs are rewritten to the new ones. Updates the
    // IDs and links in `format` to match the database. The caller puts the current
    // text of unlabelled text boxes into their `mem` first.
    bool SaveFormat(Format& format, const QString& name, qint64 screenWidthTwips,
                    Progress& progress);

    // SaveFormat under `newName` and CopyFormatParams from format.name to it, in one
    // transaction; `format` is updated only when both are stored.
    bool SaveAs(Format& format, const QString& newName, qint64 screenWidthTwips,
                Progress& progress);

    // Copies the per-format parameters ("name=>...") of `from` to `to`, replacing
    // those `to` had. One transaction.
    bool CopyFormatParams(const QString& from, const QString& to);

    // Removes a format's rows from Fmt, 历史, 默认, 映射 and its per-format
    // parameters. The asking and the current-format check are the caller's.
    bool DeleteFormatRows(const QString& name);
    // The last SaveFormat or DeleteFormatRows was refused because a print job holds
    // the format (FormatHold.h).
    bool RefusedWhilePrinting() const { return refusedWhilePrinting_; }
    // A server store raises a format's version with every save. This store remembers
    // the version of each format it read or saved, and SaveFormat under that name
    // refuses when another seat saved it since: ChangedElsewhere(), nothing written.
    // Formats this store never read (new, imported) are not checked.
    bool ChangedElsewhere() const { return changedElsewhere_; }
    // Takes the version stored now as the one read, so the next save overwrites the
    // other seat's change. False when it cannot be read.
    bool AcceptStoredVersion(const QString& name);
    // The format's version in the store now (0 in the file, or before its first save);
    // -1 when it cannot be read.
    qint64 StoredVersion(const QString& name);

    // The last-use row: the last format's name and option boxes 0..2.
    struct LastUse {
        QString formatName;
        std::optional<std::array<int, 3>> optionBoxes;
    };
    LastUse ReadLastUse();
    bool WriteLastUse(const QString& name, const std::array<int, 3>& optionBoxes);

private:
    Database& db_;
    bool refusedWhilePrinting_ = false;
    bool changedElsewhere_ = false;
    QHash<QString, qint64> versionsRead_;
    // Inside the save's transaction: checks the version against `seen` (when given)
    // and raises it; the new version, or -1 when refused or failed.
    qint64 RaiseVersion(const QString& name, std::optional<qint64> seen);
};

// The file a format's background picture is drawn from: in the data folder (on a server
// store this seat's copy, BackgroundPictures.h), named by PictureFileName.
QString BackgroundPicturePath(const QString& formatName);
