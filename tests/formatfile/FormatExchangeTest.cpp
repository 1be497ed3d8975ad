// Export and import through a real database file, real format files and pictures.
#include "FormatFileFixture.h"
#include "common/RefusedInserts.h"

#include "formatfile/AnsiText.h"
#include "formatfile/FormatExport.h"
#include "formatfile/FormatImport.h"
#include "formatfile/FormatTreeValue.h"
#include "store/BackgroundPictures.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "core/Progress.h"
#include "store/Schema.h"

namespace {

class FormatExchangeTest : public FormatFileFixture {
protected:
    ImportResult Import(const QString& path) {
        SilentProgress quiet;
        return ImportFormat(path, asker_, *db_, quiet);
    }
    Format Load(const QString& name) {
        const std::optional<Format> format = FormatStore(*db_).LoadFormat(name, 19200);
        EXPECT_TRUE(format) << name.toStdString();
        return format.value_or(Format{});
    }
    // A hand-written file: page row, then the given record lines, then custom lines.
    QString WriteFile(const QString& fileName, const QStringList& records,
                      const QStringList& custom = {}) {
        const QString page = QStringLiteral(
            "90】★【】★【【§单据整体格式参数§】】★【】★【10】★【10】★【100】★【50】★【】★【】★【0】★【"
            "】★【】★【False】★【False】★【False】★【False】★【】★【】★【"
            "False|False|0|0|0|0|1|False|】★【】★【】★【");
        const QString path = FilePath(fileName);
        WriteBytes(path, GbkBytes((QStringList{"<Corvane格式专用>", "旧名", page} + records +
                                   QStringList{"[自定义内容]"} + custom)
                                      .join("\r\n")));
        return path;
    }
};

// The record lines of a format file split into fields, every ID and link written as
// the position of the row it names ("#0", "-#2"), so that files written from two
// databases compare field by field; then the custom-content lines.
QList<QStringList> FieldsByRow(const QByteArray& bytes) {
    const QStringList lines = DecodeTextFileBytes(bytes).value_or(QString()).split("\r\n");
    const qsizetype custom = lines.indexOf("[自定义内容]");
    QList<QStringList> rows;
    for (const QString& line : lines.mid(2, custom - 2)) rows << line.split("】★【");
    QHash<QString, QString> rowOfId;
    for (qsizetype i = 0; i < rows.size(); ++i) rowOfId.insert(rows[i][0], "#" + QString::number(i));
    for (QStringList& row : rows)
        for (int field : {0, 18, 20, 21, 22}) {
            QString& value = row[field];
            const bool negative = value.startsWith('-');
            const QString target = rowOfId.value(negative ? value.mid(1) : value);
            if (!target.isEmpty()) value = (negative ? "-" : "") + target;
        }
    rows << lines.mid(custom);
    return rows;
}

// Everything but the IDs, which differ between databases; links are checked apart.
QList<BoxRecord> WithoutIds(QList<BoxRecord> boxes) {
    for (BoxRecord& box : boxes) box.id = box.rctl = box.sumId = box.sumId1 = box.rctl1 = 0;
    return boxes;
}

TEST_F(FormatExchangeTest, RoundTripOnAFreshDataFolderKeepsEverything) {
    StoreSample("票据");
    ASSERT_TRUE(BackgroundPictures(*db_).Write("票据", "JPEG bytes"));
    const QString file = FilePath("交换.zhq");
    asker_.File(FilePath("交换")); // the extension is added
    ASSERT_TRUE(ExportFormat("票据", asker_, *db_));
    EXPECT_EQ(asker_.messages.last(), QStringLiteral("格式：“票据”导出完成！"));
    EXPECT_EQ(ReadBytes(FilePath("交换.jpg")), "JPEG bytes");
    const Format exported = Load("票据");

    // Another installation, with a box already in its table so that IDs differ.
    db_.reset();
    folder_.reset(); // before the next one: it resets the location when it goes
    folder_ = std::make_unique<TempDataFolder>();
    db_ = OpenDataDatabase();
    StoreSample("别的");
    asker_.Yes();
    const ImportResult result = Import(file);
    ASSERT_TRUE(result.imported);
    EXPECT_EQ(result.name, QStringLiteral("交换"));
    EXPECT_TRUE(result.openNow);
    EXPECT_EQ(asker_.questions.last(), QStringLiteral("格式“交换”导入成功,立即调用此格式？"));

    const Format imported = Load("交换");
    EXPECT_EQ(imported.page, exported.page);
    EXPECT_EQ(WithoutIds(imported.boxes), WithoutIds(exported.boxes));
    // The links point inside the new format, and the negative ones stay negative.
    const BoxRecord& payee = imported.boxes[0];
    EXPECT_NE(payee.id, exported.boxes[0].id);
    EXPECT_EQ(payee.rctl, double(imported.boxes[1].id));
    EXPECT_EQ(payee.sumId, -double(imported.boxes[3].id));
    EXPECT_EQ(payee.rctl1, -imported.boxes[1].id);
    EXPECT_EQ(imported.boxes[1].sumId1, double(payee.id));

    ParamStore params(*db_);
    EXPECT_EQ(params.GetParam("交换=>自定义类型124"), QStringLiteral("现金;转账"));
    EXPECT_EQ(params.GetParam("交换=>自定义类型119"), QStringLiteral("yyyy年"));
    EXPECT_EQ(BackgroundPictures(*db_).Read("交换"), "JPEG bytes");
    EXPECT_TRUE(FormatTreeValue::Parse(params.GetParam(kFormatTreeParam)).Contains("交换"));
}

TEST_F(FormatExchangeTest, ExportWritesTheLayoutByteForByte) {
    const Format stored = StoreSample("票据");
    ParamStore(*db_).SetParam("别的=>自定义类型125", "不属于此格式");
    const qint64 pageId = db_->LookupWhere("Fmt", "Fmt=? AND LBL=?", {"票据", kPageParamsLabel}, "ID")
                              .toLongLong();
    const auto id = [&](int i) { return QString::number(stored.boxes[i].id); };
    const QStringList lines = {
        "<Corvane格式专用>",
        "票据",
        id(0) + "】★【0】★【收款人‖‖‖全称】★【1】★【12.5】★【20】★【60】★【8】★【0.5】★【1004.5】★【255】★【"
                "宋体】★【10.5】★【True】★【False】★【False】★【False】★【103】★【" + id(1) + "】★【】★【-" +
            id(3) + "】★【0】★【-" + id(1),
        id(1) + "】★【0】★【】★【0】★【5】★【0】★【0】★【0】★【0】★【0】★【0】★【】★【0】★【False】★【False】★【"
                "False】★【False】★【0】★【0】★【固定♂♂文字】★【0】★【" + id(0) + "】★【0",
        id(2) + "】★【3】★【】★【0】★【1】★【2】★【200】★【2】★【0】★【0】★【0】★【】★【0.3】★【False】★【False】★【"
                "False】★【False】★【1】★【0】★【】★【0】★【0】★【0",
        id(3) + "】★【4】★【标签一‖‖‖标签二】★【0】★【0】★【0】★【0】★【0】★【0】★【0】★【0】★【】★【0】★【False】★【"
                "True】★【True】★【True】★【2】★【0】★【】★【0】★【0】★【0",
        QString::number(pageId) + "】★【0】★【【§单据整体格式参数§】】★【0】★【10】★【12.5】★【210】★【99.5】★【0】★【0】★【"
                                  "19200】★【】★【0】★【False】★【False】★【False】★【False】★【0】★【0】★【"
                                  "True|False|1|0|1|0|1|False|False|$|False|False|1{[]}2{[]}3{[]}4|False|True|2|"
                                  "】★【0】★【0】★【0",
        "[自定义内容]",
        "自定义类型124=[现金;转账][END]",
        "自定义类型119=[yyyy年][END]",
    };
    ASSERT_LT(stored.boxes[2].id, stored.boxes[3].id); // line saved before label
    const QString path = FilePath("票据.zhq");
    ASSERT_TRUE(WriteFormatFile(*db_, "票据", path).Ok());
    EXPECT_EQ(ReadBytes(path), GbkBytes(lines.join("\r\n")));
}

// A file exported, imported on another installation and exported again comes back
// field by field and in its record order, whether its page-parameter row came last
// (as this program's IDs put it) or first (as older versions wrote it).
TEST_F(FormatExchangeTest, ImportThenExportGivesTheSameRecords) {
    StoreSample("票据");
    const QString pageLast = FilePath("页末.zhq");
    ASSERT_TRUE(WriteFormatFile(*db_, "票据", pageLast).Ok());
    QStringList lines = DecodeTextFileBytes(ReadBytes(pageLast)).value_or(QString()).split("\r\n");
    ASSERT_EQ(lines.size(), 10);
    lines.move(6, 2);
    const QString pageFirst = FilePath("页首.zhq");
    WriteBytes(pageFirst, GbkBytes(lines.join("\r\n")));

    db_.reset();
    folder_.reset();
    folder_ = std::make_unique<TempDataFolder>();
    db_ = OpenDataDatabase();
    StoreSample("别的"); // so that the IDs differ
    for (const QString& source : {pageLast, pageFirst}) {
        asker_.No();
        const ImportResult imported = Import(source);
        ASSERT_TRUE(imported.imported) << source.toStdString();
        const QString again = FilePath("再次" + imported.name + ".zhq");
        ASSERT_TRUE(WriteFormatFile(*db_, imported.name, again).Ok());
        EXPECT_EQ(FieldsByRow(ReadBytes(again)), FieldsByRow(ReadBytes(source))) << source.toStdString();
    }
}

TEST_F(FormatExchangeTest, ExportAsksBeforeReplacingAFile) {
    StoreSample("票据");
    const QString path = FilePath("已有.ZHQ");
    WriteBytes(path, "keep");
    asker_.Item(0).File(path).No();
    EXPECT_FALSE(ExportFormat("", asker_, *db_));
    EXPECT_EQ(asker_.shown.first(), QStringLiteral("请选择格式名称"));
    EXPECT_EQ(asker_.questions.last(), "文件：“" + path + "”已经存在，是否覆盖？");
    EXPECT_EQ(ReadBytes(path), "keep");

    asker_.File(path).Yes();
    EXPECT_TRUE(ExportFormat("票据", asker_, *db_));
    EXPECT_TRUE(ReadBytes(path).startsWith(GbkBytes("<Corvane格式专用>\r\n票据\r\n")));

    asker_.File(FilePath("没有此目录/票据.zhq"));
    EXPECT_FALSE(ExportFormat("票据", asker_, *db_));
    EXPECT_EQ(asker_.messages.last(), "文件：“" + FilePath("没有此目录/票据.zhq") + "”写入失败！");
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(FormatExchangeTest, OlderFileRenumbersLinksAndCleansCustomLists) {
    // 21 fields per line: no SumID1 and RCtl1. Box 8 links to 7, and to 9 negatively;
    // box 9 links to a box that is not in the file.
    const auto row = [](const QString& id, const QString& rctl, const QString& sumId) {
        return id + "】★【0】★【框】★【0】★【1】★【1】★【9】★【9】★【0】★【0】★【0】★【宋体】★【9】★【False】★【"
                    "False】★【False】★【False】★【0】★【" + rctl + "】★【】★【" + sumId;
    };
    const QString path = WriteFile("旧版.zhq", {row("7", "0", "0"), row("8", "7", "-9"), row("9", "4242", "0")},
                                   {"自定义类型124=[现金;", "支票][END]"});
    // The picture beside the file replaces one a deleted format of that name left.
    WriteBytes(FilePath("旧版.jpg"), "new picture");
    ASSERT_TRUE(BackgroundPictures(*db_).Write("旧版", "stale picture"));
    asker_.No();
    const ImportResult result = Import(path);
    ASSERT_TRUE(result.imported);
    EXPECT_FALSE(result.openNow);
    const Format format = Load("旧版");
    ASSERT_EQ(format.boxes.size(), 3);
    const BoxRecord &a = format.boxes[0], &b = format.boxes[1], &c = format.boxes[2];
    EXPECT_EQ(b.rctl, double(a.id));
    EXPECT_EQ(b.sumId, -double(c.id));
    EXPECT_EQ(c.rctl, 4242); // no such box in the file: left as it was
    for (const BoxRecord& box : format.boxes) EXPECT_TRUE(box.sumId1 == 0 && box.rctl1 == 0);
    EXPECT_EQ(ParamStore(*db_).GetParam("旧版=>自定义类型124"), QStringLiteral("现金;支票"));
    EXPECT_EQ(BackgroundPictures(*db_).Read("旧版"), "new picture");
}

TEST_F(FormatExchangeTest, TakenNameIsAskedForUntilFree) {
    StoreSample("票据");
    StoreSample("票据2");
    const QString path = FilePath("票据.zhq");
    ASSERT_TRUE(WriteFormatFile(*db_, "票据", path).Ok());

    asker_.Text("票据2").Text("a|b").Text(" 票据3 ").No();
    const ImportResult result = Import(path);
    EXPECT_TRUE(result.imported);
    EXPECT_EQ(result.name, QStringLiteral("票据3"));
    EXPECT_EQ(asker_.questions.mid(0, 3),
              QStringList({"格式：“票据”已存在，请另取格式名！", "格式：“票据2”已存在，请另取格式名！",
                           "格式名输入"}));
    EXPECT_TRUE(asker_.messages.contains(QStringLiteral("名称不能包含字符： / \\ | , ' ！")));
    EXPECT_EQ(Load("票据3").boxes.size(), 4);

    // Giving up leaves the database as it was.
    const QStringList before = Snapshot();
    asker_.Text("");
    EXPECT_FALSE(Import(path).imported);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FormatExchangeTest, FailingImportStoresNothing) {
    StoreSample("票据");
    const QStringList before = Snapshot();
    const QString good =
        "7】★【0】★【甲】★【0】★【1】★【1】★【9】★【9】★【0】★【0】★【0】★【宋体】★【9】★【False】★【False】★【"
        "False】★【False】★【0】★【0】★【】★【0】★【0】★【0";
    QString badNumber = good;
    badNumber.replace("】★【9】★【9】★【", "】★【9】★【九】★【");

    struct Case { const char* what; QString path; QString message; };
    const QString huge = FilePath("huge.zhq");
    WriteBytes(huge, GbkBytes("<Corvane格式专用>\r\n名\r\n") + QByteArray(8 << 20, 'x'));
    const QString wrongEncoding = FilePath("enc.zhq");
    WriteBytes(wrongEncoding, GbkBytes("<Corvane格式专用>\r\n名\r\n") + "\xB8\xFF\xFF");
    const QList<Case> cases = {
        {"bad number after a good row", WriteFile("bad.zhq", {good, badNumber}), "格式文件有错！"},
        {"one huge line", huge, "格式文件有错！"},
        {"wrong encoding", wrongEncoding, "无法识别此文件，请确认文件：“" + wrongEncoding + "”为Vellumark格式文件！"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Import(c.path).imported) << c.what;
        EXPECT_EQ(asker_.messages.value(asker_.messages.size() - 1), c.message) << c.what;
        EXPECT_EQ(Snapshot(), before) << c.what;
    }

    // The database refusing a write half-way (after the boxes are in) rolls it all back.
    ASSERT_TRUE(RefuseInserts(*db_, QStringLiteral("参数")));
    const QStringList withTrigger = Snapshot();
    const QString path = WriteFile("半途.zhq", {good}, {"自定义类型124=[a][END]"});
    EXPECT_FALSE(Import(path).imported);
    EXPECT_EQ(asker_.messages.last(), QStringLiteral("格式“半途”导入失败！"));
    EXPECT_EQ(Snapshot(), withTrigger);
    EXPECT_FALSE(FormatStore(*db_).Exists("半途"));
}

} // namespace
