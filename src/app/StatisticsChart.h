#pragma once
// The statistics chart: one bar per period, the value axis reaching 1.1 times the
// largest value, the caption as title, in a CJK font so the Chinese stays legible.
#include <QRgb>

class QChart;
class QImage;
class QSize;
class QString;
struct StatsResult;

// The bars' colour, one plain colour so a saved picture can be checked.
inline constexpr QRgb kStatsBarColor = 0xff2f6fb5;

// A new chart of the result's table; the caller owns it.
QChart* BuildStatisticsChart(const StatsResult& result);

// The chart drawn on a white picture of this size.
QImage RenderStatisticsChart(const StatsResult& result, const QSize& size);

// RenderStatisticsChart saved as PNG, written whole before it replaces `path`.
bool SaveStatisticsChart(const StatsResult& result, const QSize& size, const QString& path);
