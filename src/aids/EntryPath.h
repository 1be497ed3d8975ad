#pragma once
// The one path every value takes into a bill: typing (when a box is left), a data row
// stepped into the boxes or printed in a batch, a value given on the command line,
// the program's automatic fills. A value is converted exactly once, by the data type
// of the box it enters; then, when it changed the box, the entry aids its route gets
// run. A bill reloaded from history or defaults is written as stored, without aids
// (records/BoxValues, WriteBoxValue); the boxes a linked bill fills pass the value on
// to their rings and sums (aids/EntryAids).
#include "aids/EntryAids.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Bill;
class FormatDocument;
struct Format;
struct AidContext;
struct BoxRecord;
struct ValueFilling;

enum class EntryRoute {
    Typed,    // a box left after typing, a choice from its list of earlier values, a tick
    DataRow,  // a data row: stepped into the boxes, printed in a batch, shown as a label
    Command,  // a value given on the command line (print --set)
    AutoFill, // automatic numbers and custom lists: treated as typed
    Dates,    // 自动生成日期
};
inline constexpr int kEntryRouteCount = 5;

struct EntryRouteTraits {
    EntryRoute route;
    // The line-break marker stands for a line break in the value (the program filling
    // a box); typed text keeps what was typed.
    bool lineBreakMarker;
    // Whether the value may go into an unlabelled text box, whose text is fixed text.
    bool reachesFixedText;
    int aids; // AidStep flags run after a value changed a box
};

inline constexpr std::array<EntryRouteTraits, kEntryRouteCount> kEntryRoutes{{
    {EntryRoute::Typed, false, true, kAllAids},
    {EntryRoute::DataRow, true, false, kAllAids},
    {EntryRoute::Command, true, false, kAllAids},
    {EntryRoute::AutoFill, false, false, kAllAids},
    {EntryRoute::Dates, false, false, kRingStep | kSumStep},
}};

// The row of a route; rows stand in the order of EntryRoute, which the compiler checks.
constexpr const EntryRouteTraits& TraitsOf(EntryRoute route) { return kEntryRoutes[static_cast<int>(route)]; }
static_assert(TraitsOf(EntryRoute::Typed).route == EntryRoute::Typed &&
                  TraitsOf(EntryRoute::DataRow).route == EntryRoute::DataRow &&
                  TraitsOf(EntryRoute::Command).route == EntryRoute::Command &&
                  TraitsOf(EntryRoute::AutoFill).route == EntryRoute::AutoFill &&
                  TraitsOf(EntryRoute::Dates).route == EntryRoute::Dates,
              "one row per entry route, in the order of EntryRoute");

// What the box holds after `value` entered it by `route` (FilledContent with the
// route's line-break rule); nullopt for boxes that hold no value.
std::optional<QString> EnteredContent(const BoxRecord& box, const QString& value, EntryRoute route,
                                      const ValueFilling& filling);

// Puts the value into the box; when that changed the box, runs the route's aids.
// True when the box changed.
bool EnterValue(FormatDocument& document, qint64 boxId, const QString& value, EntryRoute route,
                const AidContext& context);

// Typing wrote the text into the box while it had the focus. Leaving the box converts
// that text once; the aids run when the result differs from what the box held when it
// got the focus (nullopt: not known, they run). A box passed through unchanged sets
// nothing off, so it cannot pull a linked bill over what was corrected by hand.
void LeaveTypedBox(FormatDocument& document, qint64 boxId, const std::optional<QString>& heldAtFocus,
                   const AidContext& context);

// A row of values entering as a whole: every value is put into its box first, then
// the aids run for each box the row changed, in the row's order (the aids read what
// the boxes hold by then, so a row's empty cell for a box the aids fill does not
// undo them).
struct BoxEntry {
    qint64 boxId = 0;
    QString value;
};
void EnterValues(FormatDocument& document, const QList<BoxEntry>& values, EntryRoute route,
                 const AidContext& context);

// Values addressed by box label: each goes into every box with that label that holds
// bill values. Returns the labels no box has; their values go nowhere.
struct LabelValue {
    QString label;
    QString value;
};
QStringList EnterByLabel(FormatDocument& document, const QList<LabelValue>& values, EntryRoute route,
                         const AidContext& context);

// The bill the boxes show when the format is opened: the format's default records as
// stored, then the automatic numbers, custom lists and passwords (and the dates with
// `fillDates`). Without a database only the automatic fills that need none.
void StartOpenedBill(FormatDocument& document, const AidContext& context, bool fillDates);
// The same on a document of its own, for a batch that has no boxes to start from.
Bill OpenedBill(const Format& format, const AidContext& context);
