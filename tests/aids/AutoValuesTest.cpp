// Values the program types by itself: numbers, dates, passwords; and the key filter.
#include "AidsFixture.h"

#include "aids/AutoFill.h"
#include "aids/BillPassword.h"
#include "aids/CustomDates.h"
#include "aids/TypingAids.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

TEST(NextNumber, CountsUpTheTrailingDigitsKeepingTheirWidth) {
    const QList<QPair<QString, QString>> cases = {
        {"NO0099", "NO0100"}, {"A9", "A10"},   {"999", "1000"},          {"0009", "0010"},
        {"ABC", "ABC"},       {"", ""},        {"2023-001", "2023-002"}, {"X-99", "X-100"},
        {"１２", "１２"}, // full-width digits are not decimal digits here
        {"99999999999999999999", "100000000000000000000"}};
    for (const auto& [text, next] : cases) EXPECT_EQ(NextNumber(text), next) << text.toStdString();
}

TEST(CustomDates, PatternLettersWriteTheMoment) {
    const QDateTime moment(QDate(2024, 3, 5), QTime(7, 8, 9));
    const QList<QPair<QString, QString>> cases = {
        {"YYYY-MM-DD HH:MM:SS", "2024-03-05 07:08:09"},
        {"", "2024-03-05 07:08:09"},
        {"YYYY年M月D日", "2024年3月5日"},
        {"yy.mm.dd hh:nn", "24.03.05 07:08"},
        {"YYYY/MM/DD", "2024/03/05"},
        {"YYYY-MM-DD/", "2024/03/05/"},
        {"YYYY\\MM-DD", "2024\\03\\05"},
        {"MM:SS", "08:09"}};
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(FormatCustomDate(pattern, moment).value_or("<bad>"), expected) << pattern.toStdString();
    for (const QString bad : {"YYYY-QQ", "YYY", "DDD", "Today"})
        EXPECT_FALSE(FormatCustomDate(bad, moment)) << bad.toStdString();
}

TEST_F(AidsTest, FillDatesWritesTodayIntoEveryDateBoxByItsType) {
    context.now = QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9));
    Open({{.cash = 100}, {.cash = 107}, {.cash = 102}, {.cash = 110}, {.cash = 113}, {.cash = 119},
          {.cash = 104}, {.cash = 106, .rctl = 9}, {}});
    document.SetContent(7, "keep");
    EXPECT_TRUE(FillDates(document, context));
    EXPECT_EQ(At(1), "贰零贰肆");
    EXPECT_EQ(At(2), "03");
    EXPECT_EQ(At(3), "零伍");
    EXPECT_EQ(At(4), "2024年03月05日");
    EXPECT_EQ(At(5), "03-05");
    EXPECT_EQ(At(6), "2024-03-05 07:08:09"); // no pattern stored: date and time
    EXPECT_EQ(At(7), "keep");
    EXPECT_EQ(At(9), "2024"); // rings follow filled dates
}

TEST(BillPassword, DefaultParametersGiveFourLinesOf21Characters) {
    const PasswordParams params = DecodePasswordParams(QString());
    const QString password = GeneratePassword(params, *QRandomGenerator::system());
    const QStringList lines = password.split(u'\n');
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines) {
        EXPECT_EQ(line.size(), 21);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9+\\-*/><]+$")).match(line).hasMatch());
    }
    // Drawn from the secure source: two at once differ (84 characters of 16 kinds).
    EXPECT_NE(password, GeneratePassword(params, *QRandomGenerator::system()));
}

TEST(BillPassword, StoredParametersRoundTripAndFaultyOnesFallBack) {
    const PasswordParams custom{"AB", 3, 2, "-"};
    EXPECT_EQ(DecodePasswordParams(EncodePasswordParams(custom)), custom);
    EXPECT_EQ(DecodePasswordParams("AB{[]}3"), PasswordParams());
    const PasswordParams faulty = DecodePasswordParams("{[]}x{[]}0{[]}");
    EXPECT_EQ(faulty.charset, PasswordParams().charset);
    EXPECT_EQ(faulty.perSegment, 21);
    EXPECT_EQ(faulty.segments, 4);
    EXPECT_EQ(faulty.separator, "");
    QRandomGenerator seeded(7);
    EXPECT_EQ(GeneratePassword(custom, seeded).size(), 7);
}

TEST(BillPassword, CharactersAreDrawnUniformly) {
    // Chi-square over 100 000 draws from 16 characters, 15 degrees of freedom: the
    // 99.99 % point is 44.3, so a fair source fails about once in 10 000 runs.
    const QString charset = PasswordParams().charset;
    const int draws = 100000;
    const PasswordParams params{charset, draws, 1, {}};
    const QString password = GeneratePassword(params, *QRandomGenerator::system());
    QHash<QChar, int> counts;
    for (QChar c : password) ++counts[c];
    ASSERT_EQ(counts.size(), charset.size());
    const double expected = double(draws) / charset.size();
    double chi = 0;
    for (int count : counts) chi += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chi, 44.3);
    // A count that does not divide 2^32 is still uniform: a third of 300 000 draws each.
    std::array<int, 3> thirds{};
    for (int i = 0; i < 300000; ++i) ++thirds[UniformIndex(*QRandomGenerator::system(), 3)];
    for (int count : thirds) EXPECT_NEAR(count, 100000, 1500);
}

TEST_F(AidsTest, PasswordAreasGetANewPasswordFromTheFormatsParameters) {
    Format format = MakeAidsFormat("发票", {{.cash = 132}, {}});
    format.page.options.passwordArea = EncodePasswordParams({"01", 4, 3, "\r\n"});
    document.Open(format);
    FillPasswordAreas(document);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[01]{4}\n[01]{4}\n[01]{4}$")).match(At(1)).hasMatch());
    EXPECT_EQ(At(2), "");
}

TEST(TypingAids, NumericBoxesRefuseLettersOthersTakeThem) {
    EXPECT_FALSE(AcceptsTyped(11, "a"));
    EXPECT_FALSE(AcceptsTyped(106, "年"));
    for (const QString ok : {"7", ".", "-", "\b", ""}) EXPECT_TRUE(AcceptsTyped(11, ok));
    EXPECT_TRUE(AcceptsTyped(104, "a"));
    EXPECT_TRUE(AcceptsTyped(0, "a"));
    EXPECT_EQ(ToggledTick(115, ""), "√");
    EXPECT_EQ(ToggledTick(115, "√"), "");
    EXPECT_FALSE(ToggledTick(0, ""));
}

} // namespace
