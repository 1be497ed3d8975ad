#pragma once
// What the commands that fill one bill share (print, add): the --set and --fill-dates
// options, and the bill filled through the open format's controller exactly as the
// window fills it: opened with its defaults and automatic fills, then each value
// entered as typed, with the entry aids after it.
#include "aids/EntryPath.h"
#include "cli/CommandArgs.h"

#include <functional>

class Asker;
class Database;
class FormatController;
class QTextStream;

// The options of a filled bill: "--set LABEL=VALUE" (repeatable) and "--fill-dates".
const QList<CommandOption>& BillOptions();

struct BillArgs {
    QString format;
    QList<LabelValue> values;
    bool fillDates = false;
};
// Reads the format name and the bill options; empty when well formed, else the problem.
QString ReadBillArgs(const CommandArgs& args, BillArgs& parsed);

// Opens the format as the window does (the window's controller, its entry settings)
// and enters the values, then runs `use` on the filled bill; the controller's notes
// ("已打印 1 页") go to `out`. kFailed for a missing format and kUsage for a label no box
// has (said on `err`); otherwise what `use` returns.
int WithCommandBill(Database& db, const BillArgs& parsed, QTextStream& out, QTextStream& err,
                    const std::function<int(FormatController& controller, Asker& asker)>& use);
