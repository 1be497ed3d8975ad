#include "app/StatisticsChart.h"

#include "content/layout/FontMapping.h"
#include "stats/Statistics.h"
#include "stats/StatsTexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QValueAxis>

#include <algorithm>

namespace {

QFont ChartFont(int pointSize, bool bold = false) {
    QFont font;
    // The mapped CJK families: Qt's default sans may have no Chinese glyphs.
    QStringList families = ChineseFontSubstitutes(QStringLiteral("微软雅黑"));
    if (!families.isEmpty()) font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// Many periods do not fit side by side: their keys stand upright and smaller.
void StyleCategoryAxis(QBarCategoryAxis* axis, qsizetype periods) {
    axis->setLabelsFont(ChartFont(periods > 40 ? 6 : 8));
    if (periods > 12) axis->setLabelsAngle(-90);
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

    auto* categories = new QBarCategoryAxis;
    categories->append(periods);
    StyleCategoryAxis(categories, periods.size());
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto* values = new QValueAxis;
    values->setLabelsFont(ChartFont(8));
    values->setTitleFont(ChartFont(9));
    values->setTitleText(set->label());
    values->setRange(smallest * 1.1, largest > 0 ? largest * 1.1 : 1.0);
    values->setLabelFormat(count ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
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
