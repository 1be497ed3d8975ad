// Default records: the last contents of a format, and the values its S-labelled
// boxes share with the later pages of a multi-page bill.
#include "RecordsFixture.h"
#include "records/BoxValues.h"
#include "records/Defaults.h"

namespace {

class DefaultsTest : public RecordsTest {
protected:
    // The stored default of a page's box by label; "-" when there is none.
    QString DefaultOf(const Format& page, const QString& label) {
        const QueryResult result =
            db->Query("SELECT Con FROM 默认 WHERE Fmt=? AND ID=?", {page.name, IdOf(page, label)});
        if (result.rows.size() > 1) ADD_FAILURE() << "two defaults for " << label.toStdString();
        return result.Empty() ? QStringLiteral("-") : result.rows[0][0].toString();
    }
    Format Page(const QString& name) {
        return StoreFormat(name, {{BoxKind::Text, "S名称"}, {BoxKind::Text, "s备注"},
                                  {BoxKind::Text, "金额"}});
    }
};

TEST_F(DefaultsTest, ContentsComeBackByTheValueRuleOfTheirKind) {
    const Format format = StoreFormat("收据", {{BoxKind::Text, "收款人"}, {BoxKind::Text, "备注"},
                                               {BoxKind::Check, "现金"}, {BoxKind::Picture, "印章"},
                                               {BoxKind::Line, ""}});
    const Bill typed = BillOf(format, {{"收款人", "O'Brien \"%_\\"}, {"备注", "一\n二"},
                                       {"现金", "2"}, {"印章", ""}});
    ASSERT_TRUE(SaveDefaults(*db, format, typed, progress));
    EXPECT_EQ(Count("SELECT count(*) FROM 默认 WHERE Fmt='收据'"), 3);

    Bill loaded;
    ASSERT_TRUE(LoadDefaults(*db, format, loaded, ValueFilling{}, progress));
    EXPECT_EQ(loaded.Value(IdOf(format, "收款人")), "O'Brien \"%_\\");
    EXPECT_EQ(loaded.Value(IdOf(format, "备注")), "一\n二");
    EXPECT_EQ(loaded.Value(IdOf(format, "现金")), "1");
    EXPECT_FALSE(loaded.Values().contains(IdOf(format, "印章")));

    // Saving again replaces the defaults: an emptied box has none any more, and a
    // row left by a deleted box is skipped when loading.
    db->Exec("INSERT INTO 默认(Fmt, ID, Con) VALUES('收据', 99999, '旧')");
    ASSERT_TRUE(SaveDefaults(*db, format, BillOf(format, {{"备注", "新"}}), progress));
    EXPECT_EQ(Count("SELECT count(*) FROM 默认 WHERE Fmt='收据'"), 1);
    db->Exec("INSERT INTO 默认(Fmt, ID, Con) VALUES('收据', 99999, '旧')");
    Bill reloaded;
    ASSERT_TRUE(LoadDefaults(*db, format, reloaded, ValueFilling{}, progress));
    EXPECT_EQ(reloaded.Values().size(), 1);
}

TEST_F(DefaultsTest, CapitalSValuesReachTheSameLabelledBoxesOfLaterPagesOnly) {
    const Format page1 = Page("票_1"), page2 = Page("票_2"), page3 = Page("票_3");
    // Not pages of 票: "_" is no wildcard, and 票据 is another stem.
    const Format lookalike = Page("票A2"), otherStem = Page("票据_2");
    EXPECT_EQ(FormatPages(*db, "票_2"), QStringList({"票_2", "票_1", "票_3"}));

    ASSERT_TRUE(SaveDefaults(*db, page1,
                             BillOf(page1, {{"S名称", "甲公司"}, {"s备注", "备"}, {"金额", "1"}}),
                             progress));
    for (const Format* page : {&page2, &page3}) {
        EXPECT_EQ(DefaultOf(*page, "S名称"), "甲公司") << page->name.toStdString();
        EXPECT_EQ(DefaultOf(*page, "s备注"), "-"); // a small s is not shared
        EXPECT_EQ(DefaultOf(*page, "金额"), "-");
    }
    for (const Format* other : {&lookalike, &otherStem})
        EXPECT_EQ(DefaultOf(*other, "S名称"), "-") << other->name.toStdString();

    // From page 2 the value reaches page 3 (replacing its default), not page 1.
    ASSERT_TRUE(SaveDefaults(*db, page2, BillOf(page2, {{"S名称", "乙公司"}}), progress));
    EXPECT_EQ(DefaultOf(page3, "S名称"), "乙公司");
    EXPECT_EQ(DefaultOf(page2, "S名称"), "乙公司");
    EXPECT_EQ(DefaultOf(page1, "S名称"), "甲公司");
    EXPECT_EQ(DefaultOf(page1, "s备注"), "备");
}

TEST_F(DefaultsTest, PageNumbersAreTheLeadingNumberAfterTheLastUnderscore) {
    const std::pair<const char*, int> cases[] = {
        {"发票", 0}, {"发票_1", 1}, {"发票_12", 12}, {"a_b_3", 3}, {"发票_x", 0}, {"发票_2页", 2}};
    for (const auto& [name, number] : cases) EXPECT_EQ(PageNumber(name), number) << name;
}

} // namespace
