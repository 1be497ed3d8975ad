// The print sub-command fills the bill as typing would: it starts from the bill the
// opened format shows (defaults, numbers, dates), then each value in order with sums
// and rings after it.
#include "AidsFixture.h"

#include "core/Progress.h"
#include "cli/PrintCommand.h"
#include "records/Defaults.h"
#include "records/History.h"
#include "records/HistoryQueries.h"
#include "store/Bill.h"
#include "store/FormatStore.h"

#include <QDate>
#include <QTextStream>

namespace {

double Temp(int n) { return double(kFirstTemporaryId + n - 1); }

TEST_F(AidsDbTest, ThePrintCommandRunsTheAidsAsTypingWould) {
    // 1 数量 × 2 单价 → 3 金额, on a ring with 4 大写; 5 编号 numbers on; 6 日期.
    Format format = MakeAidsFormat("发货单",
                                   {{"数量", 0, 0, 0, -Temp(3)}, {"单价", 0, 0, 0, -Temp(3)},
                                    {"金额", 104, Temp(4)}, {"大写", 103, Temp(3)}, {"编号", 122},
                                    {"日期", 111}},
                                   kFirstTemporaryId);
    SilentProgress progress;
    FormatStore store(*db);
    ASSERT_TRUE(store.SaveFormat(format, format.name, 15360, progress));
    document.Open(*store.LoadFormat(format.name, 15360));
    SaveBill({{"编号", "NO0009"}, {"金额", "￥1.00"}});

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const QStringList args = {"发货单", "--set", "数量=3", "--set", "单价=2.5", "--fill-dates",
                              "--pdf", folder.File("bill.pdf")};
    ASSERT_EQ(RunPrintCommand(args, outStream, errStream), 0) << err.toStdString();

    const auto printed = [&](const QString& label) { return NewestValue(*db, "发货单", IdOf(label)); };
    EXPECT_EQ(printed("金额"), "￥7.50");
    EXPECT_EQ(printed("大写"), "柒元伍角整");
    EXPECT_EQ(printed("编号"), "NO0010");
    EXPECT_EQ(printed("日期"), QDate::currentDate().toString("yyyy-MM-dd"));

    // An unknown label is refused before anything is printed.
    const QStringList bad = {"发货单", "--set", "无此栏=1", "--pdf", folder.File("bad.pdf")};
    EXPECT_EQ(RunPrintCommand(bad, outStream, errStream), 2);
    EXPECT_TRUE(err.contains("无此栏"));
    EXPECT_EQ(printed("编号"), "NO0010");
}

TEST_F(AidsDbTest, TheCommandLineStartsFromTheBillTheOpenedFormatShows) {
    // What the window left in the boxes: a customer and an amount with its capitals.
    Format designed =
        MakeAidsFormat("收据", {{"客户"}, {"金额", 104, Temp(3)}, {"大写", 103, Temp(2)}}, kFirstTemporaryId);
    SilentProgress progress;
    FormatStore store(*db);
    ASSERT_TRUE(store.SaveFormat(designed, designed.name, 15360, progress));
    const Format format = *store.LoadFormat(designed.name, 15360);
    document.Open(format);
    Bill left;
    left.SetValue(IdOf("客户"), "甲公司");
    left.SetValue(IdOf("金额"), "￥5.00");
    left.SetValue(IdOf("大写"), "伍元整");
    ASSERT_TRUE(SaveDefaults(*db, format, left, progress));

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(RunPrintCommand({"收据", "--set", "金额=12", "--pdf", folder.File("r.pdf")}, outStream, errStream), 0)
        << err.toStdString();
    const auto printed = [&](const QString& label) { return NewestValue(*db, "收据", IdOf(label)); };
    EXPECT_EQ(printed("客户"), "甲公司"); // kept from the boxes, as the window would print it
    EXPECT_EQ(printed("金额"), "￥12.00");
    EXPECT_EQ(printed("大写"), "壹拾贰元整");
}

} // namespace
