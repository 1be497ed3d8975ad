// On a PDF page the box text goes out as one glyph run per line, from glyphs shaped
// once per font; read back through poppler, every character must sit exactly where
// drawing it alone puts it.
#include "PdfProbe.h"

#include "content/layout/BoxFont.h"
#include "content/layout/FontMapping.h"
#include "content/layout/TextTokens.h"
#include "content/layout/TwipSurface.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Line {
    QString text;
    BoxFont font;
    double spacing; // twips after each character
};

BoxFont FontOf(const char* name, bool bold = false, bool italic = false) {
    BoxFont font;
    font.name = QString::fromUtf8(name);
    font.bold = bold;
    font.italic = italic;
    return font;
}

// Prints the lines one below the other, each character alone or all as runs.
QString PrintLines(const QList<Line>& lines, const QString& path, bool alone) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    TwipSurface surface(painter);
    double y = 600;
    for (const Line& line : lines) {
        surface.SetFont(line.font, 14);
        const QStringList characters = Characters(line.text);
        QList<double> xs;
        double x = 700.5;
        for (const QString& character : characters) {
            xs << x;
            x += surface.TextWidth(character) + line.spacing;
        }
        if (alone)
            for (qsizetype i = 0; i < characters.size(); ++i) surface.Print(xs[i], y, characters[i]);
        else
            surface.PrintCharacters(characters, xs, y);
        y += 700;
    }
    return path;
}

TEST(GlyphRuns, EveryCharacterLandsWhereDrawingItAlonePutsIt) {
    InstallChineseFontSubstitutions();
    // Wide spacing makes each character a word of its own for poppler.
    const QList<Line> lines = {
        {QStringLiteral("收款人张三角文"), FontOf("宋体"), 200},
        {QStringLiteral("AVToWAy.,;9"), FontOf("黑体"), 200},
        {QStringLiteral("金额￥1234.50"), FontOf("宋体", true), 150},
        {QStringLiteral("斜体Italic"), FontOf("宋体", false, true), 180},
        {QStringLiteral("𠀀𪚥中ภาษาé"), FontOf("Noto Sans CJK SC"), 220},
        {QStringLiteral("Payment to 北京市"), FontOf("DejaVu Sans"), 0},
    };
    QTemporaryDir dir;
    const QList<PdfPage> alone = ReadPdf(PrintLines(lines, dir.filePath("alone.pdf"), true));
    const QList<PdfPage> runs = ReadPdf(PrintLines(lines, dir.filePath("runs.pdf"), false));
    ASSERT_EQ(alone.size(), 1);
    ASSERT_EQ(runs.size(), 1);
    const QList<PdfWord>& expected = alone.first().words;
    const QList<PdfWord>& actual = runs.first().words;
    ASSERT_GT(expected.size(), 40);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].text, expected[i].text) << i;
        const QRectF& a = actual[i].box;
        const QRectF& e = expected[i].box;
        for (const auto& [got, want] : {std::pair{a.left(), e.left()}, std::pair{a.top(), e.top()},
                                        std::pair{a.right(), e.right()}, std::pair{a.bottom(), e.bottom()}})
            EXPECT_NEAR(got, want, 0.001) << expected[i].text.toStdString();
    }
}

} // namespace
