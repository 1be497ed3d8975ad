#include "StoreFixture.h"

#include "store/BackgroundPictures.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "core/Progress.h"

namespace {

// One box of every kind, every column set to a value of its own, with labels
// that broke string-built SQL.
Format EveryKindFormat() {
    const QStringList labels = {QStringLiteral("收款人 O'Brien"), QStringLiteral("100% 完成_"),
                                QStringLiteral("图片\n第二行"), QString(),
                                QStringLiteral("固定\r\n“标签”'")};
    Format format;
    format.name = QStringLiteral("银行汇票");
    format.page = {210.5, 99.25, 12.5, 8.75, 0, {}};
    format.page.options.optionBoxes = {1, 0, 1, 1, 0};
    format.page.options.currency = QStringLiteral("US$");
    format.page.options.barcodeStandard = BarcodeStandard::QrCode;
    for (int kind = 0; kind < kBoxKindCount; ++kind)
        format.boxes << BoxRecord{.id = kFirstTemporaryId + kind, .label = labels[kind], .kind = static_cast<BoxKind>(kind), .dir = kind % 4,
                                  .x = 10.25 + kind, .y = 20.5 + kind, .w = 30.125 + kind, .h = 5.5 + kind,
                                  .s = 0.25 * kind, .l = 2004.5, .color = 0x123456 + kind, .fontName = "黑体",
                                  .fontSize = 10.5 + kind, .bold = kind % 2 == 1, .italic = kind % 3 == 0,
                                  .underline = kind == 2, .strikeout = kind == 4, .cash = 103.0 + kind,
                                  .mem = kind == 3 ? QStringLiteral("固定内容 'x' %_\n") : QString()};
    // Links by temporary ID, with sign and fraction.
    format.boxes[0].rctl = kFirstTemporaryId + 1;
    format.boxes[1].sumId = -(kFirstTemporaryId + 0.5);
    format.boxes[2].sumId1 = kFirstTemporaryId + 3 + 0.1;
    format.boxes[3].rctl1 = kFirstTemporaryId + 4;
    return format;
}

} // namespace

class FormatStoreTest : public StoreTest {
protected:
    FormatStore store{*db};
    SilentProgress progress;
};

TEST_F(FormatStoreTest, EveryColumnOfEveryKindRoundTrips) {
    Format format = EveryKindFormat();
    ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    for (const BoxRecord& box : format.boxes) EXPECT_FALSE(IsTemporaryId(box.id));
    const std::optional<Format> loaded = store.LoadFormat(format.name, kScreenWidth);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->page, format.page);
    ASSERT_EQ(loaded->boxes.size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(loaded->boxes[i], format.boxes[i]) << "kind " << i;
    EXPECT_EQ(store.FormatNames(), QStringList{format.name});
}

TEST_F(FormatStoreTest, LinksBetweenNewBoxesFollowTheirNewIds) {
    Format format = EveryKindFormat();
    ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    const QList<BoxRecord>& b = format.boxes;
    // Box 0 links forward to a box stored after it.
    EXPECT_EQ(b[0].rctl, double(b[1].id));
    EXPECT_DOUBLE_EQ(b[1].sumId, -(b[0].id + 0.5));
    EXPECT_DOUBLE_EQ(b[2].sumId1, b[3].id + 0.1);
    EXPECT_EQ(b[3].rctl1, b[4].id);
    EXPECT_EQ(b[4].rctl, 0); // "no link" stays no link

    // A box added later, linked to an existing one and linked from it.
    BoxRecord added = b[0];
    added.id = format.NextTemporaryId();
    added.rctl = b[2].id;
    format.boxes[2].rctl = added.id;
    format.boxes << added;
    ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    const Format loaded = *store.LoadFormat(format.name, kScreenWidth);
    const BoxRecord* stored = loaded.FindBox(format.boxes.last().id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->rctl, double(format.boxes[2].id));
    EXPECT_EQ(loaded.FindBox(format.boxes[2].id)->rctl, double(stored->id));
}

TEST_F(FormatStoreTest, SavingRemovesDeletedBoxesAndKeepsOnePageParameterRow) {
    Format format = GeneratedFormat(QStringLiteral("单"), 4, QStringLiteral("框"));
    ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    const qint64 kept = format.boxes[0].id;
    format.boxes.removeAt(1);
    // An older save may have left a second page-parameter row.
    db->Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL, W) VALUES('单', ?, 1)"), {kPageParamsLabel});
    ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    EXPECT_EQ(format.boxes[0].id, kept);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM Fmt WHERE Fmt='单'")), 4);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM Fmt WHERE Fmt='单' AND LBL=?"),
                    {kPageParamsLabel}),
              1);
    EXPECT_EQ(store.LoadPageParams(QStringLiteral("单"))->width, 210);
}

TEST_F(FormatStoreTest, BoxesOfAnotherFormatGetNewRowsAndTheOriginalStays) {
    Format original = GeneratedFormat(QStringLiteral("原"), 3, QStringLiteral("框"));
    ASSERT_TRUE(store.SaveFormat(original, {}, kScreenWidth, progress));
    Format copy = original;
    copy.boxes[0].rctl = original.boxes[2].id;
    ASSERT_TRUE(store.SaveFormat(copy, QStringLiteral("副本"), kScreenWidth, progress));
    for (int i = 0; i < 3; ++i) EXPECT_NE(copy.boxes[i].id, original.boxes[i].id);
    EXPECT_EQ(copy.boxes[0].rctl, double(copy.boxes[2].id));
    EXPECT_EQ(store.LoadFormat(QStringLiteral("原"), kScreenWidth)->boxes, original.boxes);
}

TEST_F(FormatStoreTest, FontSizesAreScaledForAWiderScreen) {
    Format format = GeneratedFormat(QStringLiteral("宽屏"), 1, QStringLiteral("框"));
    format.boxes[0].fontSize = 12;
    ASSERT_TRUE(store.SaveFormat(format, {}, 15360, progress));
    EXPECT_DOUBLE_EQ(store.LoadFormat(QStringLiteral("宽屏"), 19200)->boxes[0].fontSize, 15.07);
    EXPECT_DOUBLE_EQ(store.LoadFormat(QStringLiteral("宽屏"), 15360)->boxes[0].fontSize, 12);
    EXPECT_DOUBLE_EQ(DisplayFactor(0, 15360), 1.0);
    EXPECT_FALSE(store.LoadFormat(QStringLiteral("无此格式"), 15360));
}

TEST_F(FormatStoreTest, PerFormatParametersMatchTheNameExactly) {
    for (const char* key : {"a_1=>列表", "ab1=>列表", "a%1=>列表", "A_1=>列表", "a_1_列顺序"})
        db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, ?)"),
                 {QString::fromUtf8(key), QString::fromUtf8(key)});
    ASSERT_TRUE(store.CopyFormatParams(QStringLiteral("a_1"), QStringLiteral("新")));
    EXPECT_EQ(db->LookupWhere(QStringLiteral("参数"), QStringLiteral("Var=?"),
                              {QStringLiteral("新=>列表")}, QStringLiteral("Con")),
              QStringLiteral("a_1=>列表"));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Var LIKE '新%'")), 1);

    ASSERT_TRUE(store.DeleteFormatRows(QStringLiteral("a_1")));
    const QueryResult left = db->Query(QStringLiteral("SELECT Var FROM 参数 ORDER BY Var"));
    QStringList keys;
    for (const QVariantList& row : left.rows) keys << row[0].toString();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("A_1=>列表"), QStringLiteral("a%1=>列表"),
                                 QStringLiteral("a_1_列顺序"), QStringLiteral("ab1=>列表"),
                                 QStringLiteral("新=>列表")}));
}

TEST_F(FormatStoreTest, LastUseRowRemembersNameAndOptionBoxes) {
    EXPECT_EQ(store.ReadLastUse().formatName, QString());
    EXPECT_FALSE(store.ReadLastUse().optionBoxes);
    ASSERT_TRUE(store.WriteLastUse(QStringLiteral("发票§☆§"), {1, 0, 1}));
    const FormatStore::LastUse lastUse = store.ReadLastUse();
    EXPECT_EQ(lastUse.formatName, QStringLiteral("发票§☆§"));
    EXPECT_EQ(lastUse.optionBoxes, (std::array<int, 3>{1, 0, 1}));
    EXPECT_EQ(db->LookupWhere(QStringLiteral("Fmt"), QStringLiteral("Fmt=''"), {},
                              QStringLiteral("fName")),
              QStringLiteral("1§☆§0§☆§1"));
    // The last-use row is never a format and cannot be deleted as one.
    EXPECT_FALSE(store.DeleteFormatRows(QString()));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM Fmt WHERE Fmt=''")), 1);
    EXPECT_TRUE(store.FormatNames().isEmpty());
}

TEST_F(FormatStoreTest, BackgroundPictureNamesReplaceTheNineCharacters) {
    EXPECT_EQ(PictureFileName(QStringLiteral("a/b")), QStringLiteral("a4b.jpg"));
    EXPECT_EQ(PictureFileName(QStringLiteral("*?<>/\\:|\"支票")), QStringLiteral("012345678支票.jpg"));
    // The file store's pictures lie in the data folder itself; a server's copies apart.
    EXPECT_EQ(BackgroundPicturePath(QStringLiteral("a/b")) == DataFolder::Path() + QStringLiteral("/a4b.jpg"),
              !db->IsServer());
}
