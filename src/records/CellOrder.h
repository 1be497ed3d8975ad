#pragma once
// How grid cells sort when the user clicks a header: empty cells first, then numbers
// by value, then texts in Chinese collation order.
#include <QCollatorSortKey>
#include <QString>
#include <optional>

// The number a cell reads as: digits with thousands commas, a sign, a decimal point,
// and an optional currency sign in front ("￥1,234.50"); nullopt for any other text.
std::optional<double> CellNumber(const QString& cell);

class CellKey {
public:
    explicit CellKey(const QString& cell);
    // Negative, 0 or positive as this cell sorts before, with or after `other`.
    int Compare(const CellKey& other) const;

private:
    enum Rank { Empty, Number, Text };
    Rank rank_ = Empty;
    double number_ = 0;
    std::optional<QCollatorSortKey> text_;
};
