#pragma once
// Printer profiles: the correction one seat's printer needs on top of a format's own
// offsets. A profile belongs to a seat (its host name) and a print queue, and, where a
// format prints differently on that queue, to the format too. Profiles live in the store
// (table PrinterProfile), never in a format file: a format travels, a printer does not.
#include <QString>
#include <optional>

class Database;

struct PrinterProfile {
    // Added to the format's shift: positive moves the print left and up, in mm.
    double offsetX = 0, offsetY = 0;
    // How much larger to draw across and down (1 = as designed), for a head or a
    // feed that runs a fraction of a percent off.
    double scaleX = 1, scaleY = 1;
    // Continuous (tractor-fed) paper: each bill's page is the form's length plus this.
    double feedMm = 0;
    bool continuous = false;

    bool operator==(const PrinterProfile&) const = default;
};

struct PrinterProfileKey {
    QString seat;   // host name of the computer that prints
    QString queue;  // the print queue's name
    QString format; // empty: every format on that queue
};

// This computer's seat name.
QString ThisSeat();

// Scales outside this range are refused: no real printer is off by a tenth.
inline constexpr double kMinProfileScale = 0.9, kMaxProfileScale = 1.1;
// The reason a profile cannot be kept, empty when it can.
QString ProfileProblem(const PrinterProfile& profile);

// The row stored under exactly this key; nullopt when none (or the store cannot be read).
std::optional<PrinterProfile> LoadPrinterProfile(Database& db, const PrinterProfileKey& key);
// What a print of `key.format` on the queue uses: the format's own row, else the queue's
// row, else no correction.
PrinterProfile EffectivePrinterProfile(Database& db, const PrinterProfileKey& key);
// Replaces the row of this key in one transaction; false when the store refuses.
bool SavePrinterProfile(Database& db, const PrinterProfileKey& key, const PrinterProfile& profile);
// Removes the row of this key (a format's own profile, leaving the queue's in force).
bool DeletePrinterProfile(Database& db, const PrinterProfileKey& key);
// A format's own profiles (of every seat and queue) follow its new name, or go with it
// when it is deleted; false when the store refuses. Run inside the rename's or the
// deletion's transaction.
bool RenameFormatProfiles(Database& db, const QString& oldName, const QString& newName);
bool DeleteFormatProfiles(Database& db, const QString& name);
// Makes the table when missing (a store copy brings profiles into a store without one).
bool EnsurePrinterProfileTable(Database& db);
