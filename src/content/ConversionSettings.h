#pragma once
// The user settings that steer the conversions of box texts.
#include <QDate>
#include <QString>

struct ConversionSettings {
    QString currency = QStringLiteral("￥");   // per format, page-parameter record
    int roundingMethod = 0;                  // parameter NumCutMethod: 0 cut, 1 round half up, 2 round up
    bool monthZero = false;                  // menu mMonthZero: 中文月加“零”
    QDate today;                             // "today" for date defaults; invalid means the system date
};

// Rounding methods of NumCutMethod, as the dialog SetNumCutMethod offers them.
inline constexpr int kRoundCut = 0;     // 舍去多余小数
inline constexpr int kRoundHalfUp = 1;  // 四舍五入
inline constexpr int kRoundUp = 2;      // 有小数加整
