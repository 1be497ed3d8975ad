#pragma once
// Help while typing into a text box: the numeric key filter, completion of the typed
// text from the box's earlier values, the drop-down list of earlier values and the
// tick boxes of type 115.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

class Database;
struct BoxRecord;

// Boxes of types 1 … 99 and 105 … 108 take only digits, "." and "-" (Backspace and
// keys that type nothing are always let through). `typed` is what the key types.
bool AcceptsTyped(double dataType, const QString& typed);

// Exactly one earlier value of the box begins with the typed text and differs from
// it: the box then shows that value with the completed rest selected.
struct Completion {
    QString text;
    int selectionStart = 0; // the caret after the typed part; the rest is selected
};
std::optional<Completion> CompleteFromHistory(Database& db, const QString& formatName, qint64 boxId,
                                              const QString& typed);

// The drop-down list on double click: a custom list's options first, then the
// distinct earlier values of the box (for a grouped label, of every box of the same
// stem in the format), ordered; at most kHistoryListLimit earlier values.
inline constexpr int kHistoryListLimit = 2000;
QStringList FillHistoryList(Database& db, const QString& formatName, const BoxRecord& box);

// Type 115 ("只打√"): a click toggles the text between "√" and empty; nullopt for
// boxes of other types.
std::optional<QString> ToggledTick(double dataType, const QString& current);
