#pragma once
// The statistics of a format's stored bills: per day or per month over a date
// range, the sum of an amount box or the number of bills, for all bills or those in
// which a box holds a value. The same computation serves the dialog and `stats`.
#include "stats/DecimalSum.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

enum class StatsPeriod { Day, Month };
enum class StatsContent { Amount, Count };

struct StatsRequest {
    QString formatName;
    QDate from;
    QDate to;
    StatsPeriod period = StatsPeriod::Day;
    // One box holds the whole date, or three boxes hold year, month and day. Each
    // box is named by a list entry: a label, or a group as stem + "_XX".
    bool combinedDate = false;
    QString dateBox;
    QString yearBox;
    QString monthBox;
    QString dayBox;
    StatsContent content = StatsContent::Amount;
    QString amountBox;
    // Only the bills in which the condition box holds exactly this value.
    bool conditional = false;
    QString conditionBox;
    QString conditionValue;
};

// The message that stops a run with these settings; nullopt when it may run.
std::optional<QString> CheckRequest(const StatsRequest& request);

struct StatsRow {
    QString period; // "YYYY-MM-DD" or "YYYY-MM"
    qint64 bills = 0;
    DecimalSum amount;
};

struct StatsResult {
    StatsContent content = StatsContent::Amount;
    // Every period from the first counted bill's to the last one's, empty ones included.
    QList<StatsRow> rows;
    // Bills in the condition whose date could not be read: left out.
    int skippedBills = 0;
    // The history could not be read; the rows are then empty.
    bool failed = false;
    QString caption;

    QString ValueText(const StatsRow& row) const;
    double Value(const StatsRow& row) const;
    // Header and rows: "序号", "日期", "金额" or "单据数".
    QList<QStringList> Table() const;
    // The table as CSV lines, each ended by "\n".
    QString Csv() const;
};

// Runs a checked request. Bills count when their date lies within from..to (both
// whole days, in either order); in amount statistics only bills with a value in
// the amount box count.
StatsResult ComputeStatistics(Database& db, const StatsRequest& request);

// The table as a CSV file in UTF-8 with a byte-order mark (spreadsheet programs then
// read the Chinese headers right), written whole before it replaces `path`.
bool WriteStatsCsv(const StatsResult& result, const QString& path);
