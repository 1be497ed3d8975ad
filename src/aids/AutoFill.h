#pragma once
// Values the program fills in by itself: automatic numbers (type 122) continuing
// from history, custom lists (124 … 130) preset to their first option, and today's
// date and time in the date boxes.
#include <QString>
#include <QStringList>
#include <QtGlobal>

class Database;
class FormatDocument;
struct AidContext;

// The number after `text`: the trailing decimal digits counted up by one, keeping
// their width with leading zeros (NO0099 → NO0100, 0009 → 0010, 999 → 1000); a text
// not ending in digits stays as it is (ABC → ABC).
QString NextNumber(const QString& text);

// The format's definition of a custom data type (list options joined by ";", or a
// date pattern); empty when there is none.
QString CustomTypeDefinition(Database& db, const QString& formatName, int code);
// The options of a custom-list definition, in order.
QStringList CustomListOptions(const QString& definition);

// Automatic numbers from the newest stored value, custom lists at their first option
// (each then treated as edited) and new bill passwords. Run after a format is opened
// with its defaults and after a bill was added or printed and the boxes cleared.
void RefreshAutoFill(FormatDocument& document, const AidContext& context);

// "自动生成日期": year, month, day, date, or date and time by the format's custom
// pattern, into every date box, converted by its type. A bad custom pattern leaves
// its boxes alone and is reported once through the context's Asker; false then.
bool FillDates(FormatDocument& document, const AidContext& context);
