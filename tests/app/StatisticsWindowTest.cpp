// Statistics in the window and on the command line: the dialog's lists, checks,
// table, chart and kept split line; the chart picture; `vellumark stats`.
#include "AppFixture.h"

#include "app/Session.h"
#include "app/StatisticsChart.h"
#include "cli/StatisticsCommand.h"
#include "app/StatisticsDialog.h"
#include "core/Progress.h"
#include "records/History.h"
#include "stats/Statistics.h"
#include "stats/StatsTexts.h"
#include "store/Bill.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QTextStream>
#include <QValueAxis>

namespace {

const QString kFormat = QStringLiteral("销售单");

class StatisticsWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        Format format;
        format.name = kFormat;
        format.page.width = 210;
        format.page.height = 99;
        const QList<std::pair<QString, double>> boxes = {
            {"日期", 111}, {"金额_1", 104}, {"金额_2", 103}, {"客户", 0}};
        for (const auto& [label, type] : boxes) {
            BoxRecord box;
            box.id = kFirstTemporaryId + format.boxes.size();
            box.label = label;
            box.cash = type;
            box.w = box.h = 5;
            format.boxes << box;
        }
        SilentProgress progress;
        ASSERT_TRUE(session_->Formats().SaveFormat(format, {}, 15360, progress));
        format_ = format;
        AddBill({"2024-01-05", "￥1,000.00", "壹佰元整", "甲"});
        AddBill({"2024-03-20", "￥2.50", "", "乙"});
        AddBill({"2024-03-21", "", "", "甲"});
        AddBill({"无效日期", "￥9.00", "", "甲"});
    }
    void AddBill(const QStringList& values) {
        Bill bill;
        for (int i = 0; i < values.size(); ++i) bill.SetValue(format_.boxes[i].id, values[i]);
        ASSERT_NE(SaveHistory(session_->Db(), format_, bill).outcome, SavedBill::Outcome::Failed);
    }
    std::unique_ptr<StatisticsDialog> OpenDialog() {
        auto dialog = std::make_unique<StatisticsDialog>(session_->Db(), kFormat, asker_);
        dialog->show();
        return dialog;
    }
    template <typename T>
    static T* Child(QWidget& dialog, const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(child) << name;
        return child;
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    std::unique_ptr<Session> session_;
    Format format_;
};

TEST_F(StatisticsWindowTest, DialogChecksSettingsThenShowsTableChartAndSavesThem) {
    const auto dialog = OpenDialog();
    EXPECT_EQ(dialog->windowTitle(), "数据统计分析");
    EXPECT_EQ(Items(Child<QComboBox>(*dialog, "AmountBox")), QStringList({"金额_XX", "客户"}));
    EXPECT_EQ(Items(Child<QComboBox>(*dialog, "DateBox")), QStringList({"日期"}));
    EXPECT_EQ(Child<QComboBox>(*dialog, "YearBox")->count(), 0);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(Child<QDateEdit>(*dialog, "From")->date(), QDate(today.year(), 1, 1));
    EXPECT_EQ(Child<QDateEdit>(*dialog, "To")->date(), today);

    // The format has no year boxes; then the condition needs a value.
    Child<QRadioButton>(*dialog, "DateKind1")->click();
    EXPECT_FALSE(dialog->Run());
    Child<QRadioButton>(*dialog, "DateKind0")->click();
    Child<QRadioButton>(*dialog, "Object1")->click();
    Child<QComboBox>(*dialog, "ConditionBox")->setCurrentText("客户");
    EXPECT_EQ(Items(Child<QComboBox>(*dialog, "ConditionValue")), QStringList({"乙", "甲"}));
    Child<QComboBox>(*dialog, "ConditionValue")->setCurrentText("");
    EXPECT_FALSE(dialog->Run());
    EXPECT_EQ(asker_.messages, QStringList({StatsText::kDateBoxesMissing, StatsText::kConditionMissing}));

    Child<QComboBox>(*dialog, "ConditionValue")->setCurrentText("甲");
    Child<QDateEdit>(*dialog, "From")->setDate(QDate(2024, 12, 31));
    Child<QDateEdit>(*dialog, "To")->setDate(QDate(2024, 1, 1));
    Child<QRadioButton>(*dialog, "Period1")->click();
    ASSERT_TRUE(dialog->Run());
    auto* table = Child<QTableWidget>(*dialog, "Table");
    ASSERT_EQ(table->rowCount(), 1); // only January's bill of 甲 has an amount
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "金额");
    EXPECT_EQ(table->item(0, 2)->text(), "1100");
    EXPECT_TRUE(Child<QLabel>(*dialog, "Note")->text().contains("1张"));

    Child<QRadioButton>(*dialog, "Content1")->click();
    ASSERT_TRUE(dialog->Run());
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(1, 1)->text(), "2024-02");
    EXPECT_EQ(table->item(2, 2)->text(), "1");
    QChart* chart = Child<QChartView>(*dialog, "Chart")->chart();
    ASSERT_EQ(chart->series().size(), 1);
    EXPECT_TRUE(chart->title().contains("统计条件：客户=“甲”"));

    asker_.File(folder_.File("表.csv")).File(folder_.File("图.png"));
    ASSERT_TRUE(dialog->SaveTable());
    ASSERT_TRUE(dialog->SaveChart());
    QFile csv(folder_.File("表.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), "\xEF\xBB\xBF序号,日期,单据数\r\n1,2024-01,1\r\n2,2024-02,0\r\n3,2024-03,1\r\n");
    EXPECT_FALSE(QImage(folder_.File("图.png")).isNull());
}

TEST_F(StatisticsWindowTest, SplitLineIsKeptWhenReleasedAndRestored) {
    {
        const auto dialog = OpenDialog();
        auto* splitter = Child<QSplitter>(*dialog, "Splitter");
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint centre = handle->rect().center();
        const int before = splitter->sizes().at(0);
        QTest::mousePress(handle, Qt::LeftButton, {}, centre);
        QTest::mouseMove(handle, centre + QPoint(-120, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, centre + QPoint(-120, 0));
        const int after = splitter->sizes().at(0);
        EXPECT_NEAR(after, before - 120, 2);
        EXPECT_EQ(ReadSetting("QMX", "位置", "统计_分界线", "").toInt(), after);
    }
    WriteSetting("QMX", "位置", "统计_分界线", "333");
    const auto dialog = OpenDialog();
    EXPECT_EQ(Child<QSplitter>(*dialog, "Splitter")->sizes().at(0), 333);
}

// Runs of the bar colour along one pixel row.
QList<std::pair<int, int>> BarRuns(const QImage& image, int y) {
    QList<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != kStatsBarColor) continue;
        if (!runs.isEmpty() && runs.last().second == x - 1) runs.last().second = x;
        else runs.append({x, x});
    }
    return runs;
}

int BarHeight(const QImage& image, int x, int bottom) {
    int y = bottom;
    while (y > 0 && image.pixel(x, y - 1) == kStatsBarColor) --y;
    return bottom - y + 1;
}

TEST_F(StatisticsWindowTest, ChartPictureHasOneBarPerPeriodWithHeadroom) {
    StatsResult result;
    result.content = StatsContent::Count;
    result.caption = "票据开单统计分析图表\n统计：Vellumark；单据：销售单";
    for (const auto& [period, bills] : {std::pair{"2024-01", 3}, {"2024-02", 0}, {"2024-03", 5}, {"2024-04", 1}})
        result.rows.append({period, bills, {}});
    const QString path = folder_.File("chart.png");
    ASSERT_TRUE(SaveStatisticsChart(result, QSize(800, 500), path));
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(800, 500));

    // The lowest pixel row that crosses the bars: three bars, the empty period a gap.
    int bottom = image.height() - 1;
    while (bottom > 0 && BarRuns(image, bottom).size() != 3) --bottom;
    const QList<std::pair<int, int>> runs = BarRuns(image, bottom);
    ASSERT_EQ(runs.size(), 3);
    const auto centre = [&runs](int i) { return (runs[i].first + runs[i].second) / 2.0; };
    const double slot = centre(2) - centre(1);
    EXPECT_NEAR(centre(1) - centre(0), 2 * slot, 3);
    const double tallest = BarHeight(image, int(centre(1)), bottom);
    EXPECT_NEAR(BarHeight(image, int(centre(0)), bottom) / tallest, 0.6, 0.03);
    EXPECT_NEAR(BarHeight(image, int(centre(2)), bottom) / tallest, 0.2, 0.03);

    std::unique_ptr<QChart> chart(BuildStatisticsChart(result));
    auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(axis);
    EXPECT_DOUBLE_EQ(axis->max(), 5.5);
}

TEST_F(StatisticsWindowTest, CommandPrintsTheTableAndWritesTheChart) {
    const auto run = [](const QStringList& args, QString* out, QString* err) {
        QTextStream outStream(out), errStream(err);
        return RunStatsCommand(args, outStream, errStream);
    };
    QString out, err;
    EXPECT_EQ(run({kFormat, "--from", "2024-01-01", "--to", "2024-03-31", "--by", "month", "--date-box", "日期",
                   "--amount-box", "金额_XX"},
                  &out, &err),
              0);
    EXPECT_EQ(out, "序号,日期,金额\n1,2024-01,1100\n2,2024-02,0\n3,2024-03,2.5\n");
    EXPECT_TRUE(err.contains("1张")) << err.toStdString();

    const struct {
        QStringList args;
        QString error;
    } wrong[] = {
        {{kFormat, "--from", "2024-01-01", "--to", "2024-13-01", "--date-box", "日期", "--count"}, "2024-13-01"},
        {{kFormat, "--from", "2024-01-01", "--to", "2024-02-01", "--date-box", "日期"}, "--count"},
        {{kFormat, "--from", "2024-01-01", "--to", "2024-02-01", "--date-box", "客户", "--count"}, "客户"},
        {{kFormat, "--from", "2024-01-01", "--to", "2024-02-01", "--ymd-boxes", "年,月", "--count"}, "--ymd-boxes"},
        {{kFormat, "--from", "2024-01-01", "--to", "2024-02-01", "--date-box", "日期", "--count", "--where", "客户="},
         StatsText::kConditionMissing},
    };
    for (const auto& c : wrong) {
        out.clear();
        err.clear();
        EXPECT_EQ(run(c.args, &out, &err), 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(c.error)) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }

    // The program itself, which must make a widget application for the chart.
    const QString binary = qEnvironmentVariable("VELLUMARK_BINARY");
    if (binary.isEmpty() || !QFileInfo::exists(binary)) GTEST_SKIP() << "program not built";
    session_.reset();
    QProcess process;
    process.start(binary, {"--data-dir", folder_.Path(), "stats", kFormat, "--from", "2024-01-01", "--to",
                           "2024-12-31", "--date-box", "日期", "--count", "--where", "客户=甲", "--chart",
                           folder_.File("命令.png")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).endsWith("77,2024-03-21,1\n"));
    EXPECT_EQ(QImage(folder_.File("命令.png")).size(), QSize(1000, 600));
}

} // namespace
