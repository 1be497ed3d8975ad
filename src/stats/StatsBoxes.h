#pragma once
// The boxes the statistics can read a date, an amount or a condition from: the
// format's labelled text and check boxes as stored, offered in lists filtered by
// data type, with a label group (金额_1, 金额_2) offered once as "金额_XX".
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class Database;

struct StatsBox {
    qint64 id = 0;
    QString label;
    double dataType = 0;
};

enum class StatsBoxList { Condition, Amount, WholeDate, Year, Month, Day };

// The format's text and check boxes with a label, by ID; empty (and `failed` set)
// when the table cannot be read.
QList<StatsBox> ReadStatsBoxes(Database& db, const QString& formatName, bool* failed = nullptr);

// Whether a box of this data type belongs in the list.
bool FitsList(double dataType, StatsBoxList list);

// The list's entries in box order: each label once, a group once as its stem + "_XX".
QStringList BoxChoices(const QList<StatsBox>& boxes, StatsBoxList list);

// The boxes of the list an entry stands for: those with exactly this label, or else,
// for a group entry, every box whose label begins with the stem and "_".
QList<StatsBox> BoxesOfChoice(const QList<StatsBox>& boxes, StatsBoxList list, const QString& choice);

QList<qint64> IdsOf(const QList<StatsBox>& boxes);
