// A box record drawn as a whole: what each kind and data type puts on paper.
#include "LayoutFixture.h"
#include "content/layout/BoxContent.h"
#include "content/layout/BoxDrawing.h"
#include "store/PackedSpacing.h"
#include "content/layout/PrinterFont.h"
#include "content/layout/Twips.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <gtest/gtest.h>

namespace {

BoxRecord TextBox(double cash, double x = 20, double w = 60) {
    return {.id = 7, .label = QStringLiteral("金额"), .x = x, .y = 10, .w = w, .h = 8, .fontName = TestFont().name,
            .fontSize = 12, .cash = cash};
}

// A ratio that keeps design sizes unchanged on paper.
BoxDrawContext OneToOne() {
    BoxDrawContext context;
    context.designToPaper = 1.0 / kTwipsPerMm;
    return context;
}

Recording DrawOne(const BoxRecord& box, const QString& content,
                        const BoxDrawContext& context = OneToOne()) {
    return Record([&](TwipSurface& s) { DrawBox(s, box, content, context); });
}

} // namespace

TEST(BoxDrawing, DataTypeChoosesTheLayout) {
    EXPECT_EQ(DrawOne(TextBox(0), QStringLiteral("文本")).AllText(), QStringLiteral("文本"));
    // Postcode: six equal cells over the box.
    const auto postcode = DrawOne(TextBox(109, 20, 60), QStringLiteral("036100"));
    ASSERT_EQ(postcode.texts.size(), 6);
    const double cell = MmToTwips(60) / 6;
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(postcode.texts[i].origin.x() + postcode.texts[i].width / 2,
                    MmToTwips(20) + (i + 0.5) * cell, 0.05);
    // Digits 对格 with 8 cells: one character per cell.
    EXPECT_EQ(DrawOne(TextBox(208), QStringLiteral("1234")).texts.size(), 4);
    // Hidden types and code types print nothing here.
    for (double hidden : {150, 300, 400}) EXPECT_TRUE(DrawOne(TextBox(hidden), "x").texts.isEmpty()) << hidden;
    // A capital amount flows as text.
    EXPECT_EQ(DrawOne(TextBox(103), QStringLiteral("壹元整")).AllText(), QStringLiteral("壹元整"));
}

TEST(BoxDrawing, CheckMarkOnlyWhenCheckedAndLabelsShowTheirText) {
    BoxRecord check = TextBox(0);
    check.kind = BoxKind::Check;
    Bill bill;
    EXPECT_TRUE(PrintedContent(check, bill).isEmpty());
    bill.SetValue(check.id, QStringLiteral("0"));
    EXPECT_TRUE(PrintedContent(check, bill).isEmpty());
    bill.SetValue(check.id, QStringLiteral("1"));
    EXPECT_EQ(DrawOne(check, PrintedContent(check, bill)).AllText(), QStringLiteral("√"));

    BoxRecord label = TextBox(0);
    label.kind = BoxKind::Label;
    label.label = QStringLiteral("收款人");
    EXPECT_EQ(PrintedContent(label, Bill()), QStringLiteral("收款人"));

    // An unlabelled text box prints its fixed text until the bill holds another.
    BoxRecord fixed = TextBox(0);
    fixed.label.clear();
    fixed.mem = QStringLiteral("固定");
    Bill empty;
    EXPECT_EQ(PrintedContent(fixed, empty), QStringLiteral("固定"));
    empty.SetValue(fixed.id, QString());
    EXPECT_TRUE(PrintedContent(fixed, empty).isEmpty());
}

TEST(PackedSpacing, AlignmentAndSpacingShareOneNumber) {
    const std::tuple<double, int, double> rows[] = {{2003.5, 2, 3.5}, {-1002, 1, -2}, {PackSpacing(1, -2), 1, -2}};
    for (const auto& [packed, alignment, spacing] : rows) {
        EXPECT_EQ(AlignmentCode(packed), alignment) << packed;
        EXPECT_DOUBLE_EQ(LineSpacingMm(packed), spacing) << packed;
    }
}

TEST(PrinterFont, TextKeepsItsShareOfThePage) {
    // A 210 mm page on a 15020-twip canvas: text at 12 pt there takes width / 15020 of
    // the page; on paper it takes the same share of 210 mm.
    BoxFont font = TestFont();
    font.designSize = 12;
    const double ratio = DesignToPaper(210, 15020);
    const double size = PrinterFontSize(font, ratio);
    const QString text = QStringLiteral("票据打印格式");
    const double canvasShare = TextWidthTwips(font, 12, text) / 15020;
    const double paperShare = TextWidthTwips(font, size, text) / MmToTwips(210);
    EXPECT_NEAR(paperShare / canvasShare, 1.0, 0.01);
    // The search itself works on any monotonic measure.
    EXPECT_NEAR(FitFontSize(300, 10.5, [](double s) { return s * 10; }), 30, 0.11);
    EXPECT_NEAR(FitFontSize(5, 10.5, [](double s) { return s * 10; }), 0.5, 0.11);
}

TEST(PrinterFont, SizeIsTheOneMeasuringEverySizeFinds) {
    // The search measures one font and scales it; building a font for every size
    // tried must give the same size, for CJK fonts, a Latin font whose CJK glyphs come
    // from a fallback, a missing font, bold and italic, at small and large sizes, and
    // at a design size of no whole number of twips per em.
    const QString sample = QStringLiteral("票据打印票据打印票据打印");
    const QString names[] = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                             QStringLiteral("DejaVu Sans"), QStringLiteral("没有这种字体")};
    for (const QString& name : names)
        for (const double designSize : {5.0, 9.0, 10.5, 10.53, 12.0, 22.5, 48.0})
            for (const double ratio : {DesignToPaper(210, 15020), DesignToPaper(99, 15020), DesignToPaper(420, 9000)}) {
                BoxFont font = TestFont();
                font.name = name;
                font.designSize = designSize;
                font.bold = designSize > 20;
                font.italic = designSize < 6;
                const double target = TextWidthTwips(font, designSize, sample) * ratio * kTwipsPerMm;
                const double measured = FitFontSize(target, 10.5, [&](double size) {
                    return TextWidthTwips(font, size, sample);
                });
                EXPECT_NEAR(PrinterFontSize(font, ratio), measured, 1e-9)
                    << name.toStdString() << ' ' << designSize << ' ' << ratio;
            }
}

TEST(PrinterFont, AutomaticSizeShrinksTheWidestLineIntoTheBox) {
    BoxRecord box = TextBox(0, 20, 30);
    const QString content = QStringLiteral("很长的一行文字放不下\n短");
    BoxDrawContext context = OneToOne();
    context.autoFontSize = true;
    const auto drawn = DrawOne(box, content, context);
    double lineEnd = 0;
    for (const RecordedText& t : drawn.texts)
        if (t.text != QStringLiteral("短")) lineEnd = std::max(lineEnd, t.origin.x() + t.width);
    EXPECT_LE(lineEnd, MmToTwips(50) + 1e-6);
    // Still one line: shrinking, not wrapping, made it fit.
    EXPECT_EQ(drawn.texts.first().origin.y(), drawn.texts[8].origin.y());
    // Never below 2 pt.
    const auto widthAt = [](double size, const QString& s) { return size * 20 * s.size(); };
    EXPECT_DOUBLE_EQ(ShrinkToFit(QStringLiteral("很长"), 1, 0, 12, widthAt), 2);
}
