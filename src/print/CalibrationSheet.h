#pragma once
// The calibration sheet of a printer profile: a run of `bills` forms of a format, with
// cross 1 near the top-left corner of the first and cross N near the bottom-right
// corner of the last, each with millimetre ticks along its arms and its number. The
// user measures where the two centres landed, each from its own form's top-left
// corner, and CalibratedProfile turns that into offsets, scales and feed correction.
#include "store/PrinterProfileStore.h"

#include <QPointF>
#include <optional>

class Database;
class PrintJob;
struct Format;
struct PageParams;

inline constexpr int kDefaultCalibrationBills = 10;
inline constexpr int kMaxCalibrationBills = 100;

// Where the format puts the two crosses, in the format's millimetres.
struct CalibrationCrosses {
    QPointF first, last;
};
CalibrationCrosses CrossesFor(const PageParams& page);

// Prints the run as one job (the profile of the job's queue applies, as to any print);
// false when it could not be printed or sent (the user was told).
bool PrintCalibrationSheet(PrintJob& job, const Format& format, int bills);

// Where crosses 1 and N landed, each from its own form's top-left corner, in mm.
struct MeasuredCrosses {
    QPointF first, last;
};

// The profile that puts the next print where the format and its offsets want it,
// from the profile `used` for the sheet and what was measured on it. Across, and down
// on cut sheets, the two crosses give the offset and the scale; down on continuous
// paper the scale is kept and what the last cross moved is the feed per form.
PrinterProfile CalibratedProfile(const PrinterProfile& used, const Format& format, int bills,
                                 const MeasuredCrosses& measured);

// What a calibration stored: the key (the format's own profile when it has one, since
// the sheet was printed with it, else the queue's) and the profile computed.
struct StoredCalibration {
    PrinterProfileKey key;
    PrinterProfile profile;
};
// Computes the profile from a sheet of `bills` forms printed on `queue` at this seat and
// stores it; nullopt with the reason in `problem` when it makes no sense or the store
// refuses it.
std::optional<StoredCalibration> StoreCalibration(Database& db, const QString& queue, const Format& format,
                                                  int bills, const MeasuredCrosses& measured, QString* problem);
