// The column mapping in the database and the import-data command, run in-process on
// a temporary data folder.
#include "ExchangeFixture.h"

#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "exchange/ColumnMapping.h"
#include "exchange/ExchangeTexts.h"
#include "cli/ImportDataCommand.h"
#include "exchange/RowSettings.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QProcess>
#include <QTextStream>

namespace {

class ImportDataCommand : public ExchangeFixture {
protected:
    void SetUp() override {
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
        // Boxes in grid order: text 收款人, text 金额, check 现金, then a line (no column).
        Format format;
        format.name = QStringLiteral("支票");
        format.page.width = 210;
        format.page.height = 99;
        const QList<std::pair<BoxKind, QString>> boxes = {{BoxKind::Text, "收款人"},
                                                           {BoxKind::Text, "金额"},
                                                           {BoxKind::Check, "现金"},
                                                           {BoxKind::Line, "线"}};
        for (const auto& [kind, label] : boxes) {
            BoxRecord box;
            box.id = kFirstTemporaryId + format.boxes.size();
            box.kind = kind;
            box.label = label;
            box.w = box.h = 5;
            format.boxes << box;
        }
        SilentProgress progress;
        ASSERT_TRUE(FormatStore(*db_).SaveFormat(format, {}, 15360, progress));
        boxes_ = MappedBoxes(format, {});
        csv_ = WriteFile(QStringLiteral("数据.csv"),
                         "收款人,金额,现金\n张三,\"1,000\",是\n李四,20,\n王五,30,是\n");
    }
    int Run(const QStringList& args) {
        out_.clear();
        err_.clear();
        QTextStream out(&out_), err(&err_);
        return RunImportDataCommand(args, out, err);
    }

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
    QList<MappedBox> boxes_;
    QString csv_, out_, err_;
};

TEST_F(ImportDataCommand, MappingIsReplacedAsAWhole) {
    ASSERT_EQ(boxes_.size(), 3);
    EXPECT_EQ(boxes_[2].box.boxNumber, 1001);
    boxes_[0].expression = QStringLiteral("A");
    boxes_[1].expression = QStringLiteral("“￥”，B");
    ASSERT_TRUE(SaveMapping(*db_, "支票", boxes_));
    boxes_[0].expression.clear();
    ASSERT_TRUE(SaveMapping(*db_, "支票", boxes_));
    EXPECT_EQ(LoadMapping(*db_, "支票"), (QHash<qint64, QString>{{boxes_[1].box.boxId, "“￥”，B"}}));
    EXPECT_TRUE(LoadMapping(*db_, "支票'--").isEmpty());
}

TEST_F(ImportDataCommand, WritesTheRowsAsCsv) {
    EXPECT_EQ(Run({"支票", csv_, "--map", "收款人=\"付\",A", "--map", "金额=B", "--map", "现金=C",
                   "--rows", "2-3"}),
              0)
        << err_.toStdString();
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n付张三,\"1,000\",是\n付李四,20,\n"));
    // Nothing was stored: the stored mapping is still empty.
    EXPECT_EQ(Run({"支票", csv_}), 0);
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n,,\n,,\n,,\n"));
}

TEST_F(ImportDataCommand, SaveMappingStoresWhatTheDialogStores) {
    EXPECT_EQ(Run({"支票", csv_, "--map", "金额=B", "--rows", "3-2", "--interval", "2", "--marker", "c",
                   "--save-mapping"}),
              0)
        << err_.toStdString();
    // Rows 2..3 with marker C: 是 then empty end the record after one row.
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n,\"1,000\",\n,20,\n"));
    EXPECT_EQ(LoadMapping(*db_, "支票").value(boxes_[1].box.boxId), "B");
    const RowSettings stored = ReadRowSettings();
    EXPECT_EQ(QStringList({stored.start, stored.end, stored.interval, stored.marker}),
              QStringList({"3", "2", "2", "c"}));
    EXPECT_EQ(Run({"支票", csv_}), 0);
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n,\"1,000\",\n,20,\n"));
}

TEST_F(ImportDataCommand, WorkbookSheetsAndTheLastUsedRow) {
    const QString first = WriteFile(QStringLiteral("一月.csv"), "收款人,金额\n甲,1\n");
    const QString second = WriteFile(QStringLiteral("二月.csv"), "收款人,金额\n乙,2.5\n丙,2024-03-05\n");
    const QString workbook = FilePath(QStringLiteral("账.xls"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ssconvert"), {"--merge-to=" + workbook, first, second}), 0);
    // The end row far beyond the sheet adds no empty bills.
    EXPECT_EQ(Run({"支票", workbook, "--sheet", "二月.csv", "--map", "收款人=A", "--map", "金额=B",
                   "--rows", "2-30000"}),
              0)
        << err_.toStdString();
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n乙,2.5,\n丙,2024-03-05,\n"));
    // Without --sheet the first sheet is read.
    EXPECT_EQ(Run({"支票", workbook, "--map", "收款人=A"}), 0);
    EXPECT_EQ(out_, QStringLiteral("收款人,金额,现金\n甲,,\n"));
}

TEST_F(ImportDataCommand, Failures) {
    struct Case {
        QStringList args;
        int code;
        QString err;
    };
    const QList<Case> cases = {
        {{"支票", csv_, "--rows", "1-30001"}, 1, ExchangeText::kTooManyRows},
        {{"支票", csv_, "--map", "没有=A"}, 2, "格式中没有标签为“没有”的内容框"},
        {{"没有", csv_}, 1, "格式：“没有”不存在！"},
        {{"支票", FilePath("无.xlsx")}, 1, ExchangeText::kCannotOpenExcel},
        {{"支票", csv_, "--sheet", "别的"}, 1, ExchangeText::kWrongSheetName},
        {{"支票"}, 2, {}},
        {{"支票", csv_, "--rows", "5"}, 2, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(out_.isEmpty());
        if (!c.err.isEmpty()) EXPECT_EQ(err_, c.err + u'\n');
        else EXPECT_TRUE(err_.contains(QStringLiteral("用法："))) << err_.toStdString();
    }
}

} // namespace
