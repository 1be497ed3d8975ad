#pragma once
// A running sum of amounts in exact decimal: binary floating point would turn
// 0.1 + 0.2 into 0.30000000000000004 and drift over thousands of bills.
#include <QString>

class DecimalSum {
public:
    // Fraction digits kept; amounts have two, percentages a few more.
    static constexpr int kScale = 10;

    // Adds a number in plain decimal form ("1234.5", "-0.05"); text that is not
    // such a number, or is too large for any bill, adds nothing and gives false.
    bool Add(const QString& number);
    void Add(const DecimalSum& other) { units_ += other.units_; }

    // Shortest form: "1234.5", "-0.05", "0".
    QString Text() const;
    double Value() const;
    bool IsZero() const { return units_ == 0; }

private:
    __int128 units_ = 0; // the sum × 10^kScale
};
