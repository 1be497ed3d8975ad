// design-from-scan on the command line: the proposal as JSON without storing, a new
// format with its background, boxes added to a format that exists, and refusals.
#include "../cli/CliFixture.h"
#include "BillGenerator.h"
#include "cli/DesignFromScanCommand.h"
#include "cli/DesignFromScanRun.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class DesignFromScan : public CliTest {
protected:
    DesignFromScan() {
        // The window module hands the command its work when it is loaded; the tests link it.
        UseDesignFromScanRunner(RunDesignFromScan);
        bill_ = GenerateBill(7, LightScan(1.2));
        scan_ = folder_.File(QStringLiteral("scan.png"));
        bill_.image.save(scan_);
    }

    std::optional<Format> Stored(const QString& name) {
        std::unique_ptr<Database> db = OpenDataDatabase();
        return db ? FormatStore(*db).LoadFormat(name, 15360) : std::nullopt;
    }

    GeneratedBill bill_;
    QString scan_;
};

TEST_F(DesignFromScan, JsonProposesEveryBlankAndStoresNothing) {
    const CommandOutcome outcome = Run({QStringLiteral("design-from-scan"), scan_, QStringLiteral("--name"),
                                 QStringLiteral("扫描单"), QStringLiteral("--json")});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    EXPECT_NEAR(root[QStringLiteral("page")][QStringLiteral("width")].toDouble(), 210, 0.5);
    EXPECT_NEAR(root[QStringLiteral("skewDegrees")].toDouble(), 1.2, 0.1);
    const QJsonArray boxes = root[QStringLiteral("boxes")].toArray();
    EXPECT_EQ(boxes.size(), bill_.blanks.size());
    bool product = false;
    for (const QJsonValue& box : boxes) {
        EXPECT_FALSE(box[QStringLiteral("label")].toString().isEmpty());
        EXPECT_GT(box[QStringLiteral("confidence")].toDouble(), 0);
        product |= box[QStringLiteral("multipliesInto")].toString() == QStringLiteral("金额");
    }
    EXPECT_TRUE(product);
    EXPECT_FALSE(Stored(QStringLiteral("扫描单")));
    EXPECT_FALSE(QFile::exists(BackgroundPicturePath(QStringLiteral("扫描单"))));
}

TEST_F(DesignFromScan, MakesAFormatWithItsBackgroundThenAddsToIt) {
    const QString name = QStringLiteral("扫描单");
    CommandOutcome outcome = Run({QStringLiteral("design-from-scan"), scan_, QStringLiteral("--name"), name});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    std::optional<Format> format = Stored(name);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->boxes.size(), bill_.blanks.size());
    EXPECT_NEAR(format->page.width, 210, 0.1);
    EXPECT_EQ(format->page.options.optionBoxes[kShowBackground], 1);
    const QImage background(BackgroundPicturePath(name));
    EXPECT_EQ(background.size(), bill_.image.size());
    // The product of 数量 and 单价 is stored as links into 金额.
    const auto amount = std::find_if(format->boxes.begin(), format->boxes.end(),
                                     [](const BoxRecord& b) { return b.label == QStringLiteral("金额"); });
    ASSERT_NE(amount, format->boxes.end());
    EXPECT_EQ(std::count_if(format->boxes.begin(), format->boxes.end(),
                            [&](const BoxRecord& b) { return b.Sum().id == amount->id && b.Sum().multiply; }),
              2);

    outcome = Run({QStringLiteral("design-from-scan"), scan_, QStringLiteral("--name"), name});
    EXPECT_EQ(outcome.code, 1);

    // Added again to the same format, the labels take the next numbers.
    outcome = Run({QStringLiteral("design-from-scan"), scan_, QStringLiteral("--format"), name});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    format = Stored(name);
    ASSERT_TRUE(format);
    EXPECT_EQ(format->boxes.size(), 2 * bill_.blanks.size());
    QSet<QString> labels;
    for (const BoxRecord& box : format->boxes) labels.insert(box.label);
    EXPECT_EQ(labels.size(), format->boxes.size());
    EXPECT_TRUE(labels.contains(QStringLiteral("收款单位2")) || labels.contains(QStringLiteral("付款单位2")));
}

TEST_F(DesignFromScan, RefusesWhatItCannotUse) {
    const QString command = QStringLiteral("design-from-scan");
    EXPECT_EQ(Run({command, scan_}).code, 2);
    EXPECT_EQ(Run({command, scan_, QStringLiteral("--name"), QStringLiteral("甲"), QStringLiteral("--format"),
                   QStringLiteral("乙")}).code, 2);
    EXPECT_EQ(Run({command, scan_, QStringLiteral("--name"), QStringLiteral("甲"), QStringLiteral("--dpi"),
                   QStringLiteral("0")}).code, 2);
    EXPECT_EQ(Run({command, scan_, QStringLiteral("--name"), QStringLiteral("甲"), QStringLiteral("--size"),
                   QStringLiteral("210")}).code, 2);
    EXPECT_EQ(Run({command, scan_, QStringLiteral("--format"), QStringLiteral("没有的格式")}).code, 1);
    const QString notPicture = WriteFile(QStringLiteral("bill.txt"), "not a picture");
    const CommandOutcome outcome = Run({command, notPicture, QStringLiteral("--name"), QStringLiteral("甲")});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("无法读取扫描图")));
    EXPECT_FALSE(Stored(QStringLiteral("甲")));
}

} // namespace
