#pragma once
// Custom date patterns (data types 119 and 133), written with the letters of the
// custom-type prompt: "YYYY-MM-DD HH:MM:SS". YYYY or YY year, M or MM month, D or DD
// day, H or HH hour, M or MM after an hour or before seconds (or N, NN) minutes, S or
// SS seconds; a doubled letter pads to two digits; letters in either case. Every
// other character is copied.
#include <QDateTime>
#include <QString>
#include <optional>

// The moment written by the pattern; an empty pattern gives the plain date and time.
// When the pattern holds "/", every "-" of the result becomes "/"; with "\", "\".
// nullopt for a pattern with any other letters or runs of them.
std::optional<QString> FormatCustomDate(const QString& pattern, const QDateTime& moment);
