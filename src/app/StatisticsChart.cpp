#include "app/StatisticsChart.h"

#include "content/layout/FontMapping.h"
#include "stats/Statistics.h"
#include "stats/StatsTexts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype kMaxPeriodLabels = 12;

QFont ChartFont(int pointSize, bool bold = false) {
    QFont font;
    // The mapped CJK families: Qt's default sans may have no Chinese glyphs.
    const QStringList families = ChineseFontSubstitutes(QStringLiteral("微软雅黑"));
    if (!families.isEmpty()) font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// Period keys along the bottom: every period while they fit side by side, else
// every k-th one so that they stay readable.
QCategoryAxis* PeriodAxis(const QStringList& periods) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsFont(ChartFont(8));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, double(periods.size()) - 0.5);
    const qsizetype step = (periods.size() + kMaxPeriodLabels - 1) / kMaxPeriodLabels;
    for (qsizetype i = 0; i < periods.size(); i += step) axis->append(periods[i], double(i));
    axis->setGridLineVisible(false);
    return axis;
}

// A round tick step (1, 2 or 5 times a power of ten) giving five to ten ticks.
double TickStep(double top, bool whole) {
    const double raw = top / 8;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double factor : {2.0, 5.0, 10.0})
        if (step < raw) step = factor * magnitude;
    return whole ? std::max(step, 1.0) : step;
}

} // namespace

QChart* BuildStatisticsChart(const StatsResult& result) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitleFont(ChartFont(11, true));
    // The title is rich text: line breaks become <br>, and labels are not markup.
    chart->setTitle(result.caption.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    chart->legend()->hide();

    const bool count = result.content == StatsContent::Count;
    auto* set = new QBarSet(count ? StatsText::kCountColumn : StatsText::kAmountColumn);
    set->setColor(QColor::fromRgba(kStatsBarColor));
    set->setBorderColor(QColor::fromRgba(kStatsBarColor));
    QStringList periods;
    double largest = 0;
    double smallest = 0;
    for (const StatsRow& row : result.rows) {
        const double value = result.Value(row);
        set->append(value);
        periods << row.period;
        largest = std::max(largest, value);
        smallest = std::min(smallest, value);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    QCategoryAxis* axis = PeriodAxis(periods);
    chart->addAxis(axis, Qt::AlignBottom);
    series->attachAxis(axis);

    // The values reach 1.1 times the largest, so the tallest bar never touches the top.
    auto* values = new QValueAxis;
    values->setLabelsFont(ChartFont(8));
    values->setTitleFont(ChartFont(9));
    values->setTitleText(set->label());
    const double top = largest > 0 ? largest * 1.1 : 1.0;
    values->setRange(smallest * 1.1, top);
    const double step = TickStep(top - smallest * 1.1, count);
    values->setTickType(QValueAxis::TicksDynamic);
    values->setTickAnchor(0);
    values->setTickInterval(step);
    values->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    return chart;
}

QImage RenderStatisticsChart(const StatsResult& result, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QGraphicsScene scene;
    QChart* chart = BuildStatisticsChart(result);
    scene.addItem(chart); // the scene owns it now
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    chart->layout()->activate();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

bool SaveStatisticsChart(const StatsResult& result, const QSize& size, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && RenderStatisticsChart(result, size).save(&file, "PNG")
           && file.commit();
}
