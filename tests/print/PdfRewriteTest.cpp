// The pieces behind the PDF text layer: what a glyph reads as, rewriting a ToUnicode
// map, and rewriting a file with its cross-reference table kept right.
#include "PdfProbe.h"

#include "content/QStringPrinting.h"
#include "print/PdfOutput.h"
#include "print/PdfTextLayer.h"
#include "print/TextLayerReading.h"
#include "print/ToUnicodeCMap.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

namespace {

TEST(TextLayerReading, RadicalsControlsAndEquivalents) {
    const std::pair<char32_t, char32_t> rows[] = {
        {U'⻆', U'角'}, {U'⽂', U'文'}, {U'⾦', U'金'}, {U'⻓', U'长'}, {U'⼈', U'人'}, {U'⻳', U'龟'},
        {U'\t', U' '}, {U'\r', U' '}, {0x85, U' '}, {0, 0},      // control characters print as blanks
        {0x2329, 0x3008}, {0xF900, 0x8C48}, {0x2F82C, 0x5349},    // canonical equivalents
        {0x3000, 0x3000}, {U'A', U'A'}, {U'中', U'中'}, {U'￥', U'￥'}, {0x20628, 0x20628}};
    for (const auto& [from, to] : rows) EXPECT_EQ(TextLayerReading(from), to) << std::hex << unsigned(from);
}

// Each radical a default font draws with an ideograph's glyph reads as a character
// with that very glyph, and every radical reads as an ideograph.
TEST(TextLayerReading, RadicalsReadAsTheIdeographTheFontDraws) {
    std::vector<char32_t> ideographs;
    for (char32_t c = 0x3400; c <= 0x9FFF; ++c) ideographs.push_back(c);
    for (char32_t c = 0x20000; c <= 0x2FFFF; ++c) ideographs.push_back(c);
    for (const char* family : {"Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(40);
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid()) << family;
        const auto glyph = [&](char32_t c) {
            const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(&c, 1));
            return glyphs.size() == 1 ? glyphs.first() : 0u;
        };
        QHash<quint32, char32_t> ideographOfGlyph;
        for (char32_t c : ideographs)
            if (const quint32 g = glyph(c); g != 0 && !ideographOfGlyph.contains(g)) ideographOfGlyph.insert(g, c);
        int shared = 0;
        for (char32_t radical = 0x2E80; radical <= 0x2FD5; ++radical) {
            const char32_t reading = TextLayerReading(radical);
            if (QChar::category(radical) == QChar::Other_NotAssigned) continue;
            const quint32 g = glyph(radical);
            if (g != 0 && ideographOfGlyph.contains(g)) {
                ++shared;
                EXPECT_EQ(glyph(reading), g) << family << std::hex << " U+" << unsigned(radical);
            }
            if (reading != radical) {
                EXPECT_EQ(QChar::script(reading), QChar::Script_Han) << std::hex << unsigned(radical);
            }
        }
        EXPECT_GT(shared, 250) << family; // the fonts share nearly all of them
    }
}

const QByteArray kHeader =
    "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
    "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
const QByteArray kTrailer = "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";

TEST(ToUnicodeCMap, RewritesCharsAndRangesKeepingTheRest) {
    const QByteArray cmap = kHeader +
                            "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0003> [<2EC6> <0009> <4E2D>]\nendbfrange\n"
                            "2 beginbfchar\n<0004> <2F42>\n<0008> <D840DE28>\nendbfchar\n"
                            "1 beginbfrange\n<0005> <0007> <2F43>\nendbfrange\n" + kTrailer;
    const std::optional<QByteArray> rewritten = RewriteToUnicodeCMap(cmap, TextLayerReading);
    ASSERT_TRUE(rewritten);
    // Unchanged ranges stay ranges; changed ones are listed code by code.
    EXPECT_EQ(rewritten->toStdString(), (kHeader +
                              "1 beginbfrange\n<0000> <0000> <0000>\nendbfrange\n"
                              "8 beginbfchar\n<0004> <6587>\n<0008> <D840DE28>\n<0001> <89D2>\n<0002> <0020>\n"
                              "<0003> <4E2D>\n<0005> <6597>\n<0006> <65A4>\n<0007> <65B9>\nendbfchar\n\n" + kTrailer).toStdString());
    // Nothing more to change, or nothing this can read: no rewrite.
    EXPECT_FALSE(RewriteToUnicodeCMap(*rewritten, TextLayerReading));
    for (const QByteArray& odd : {QByteArray("no mappings here"), kHeader + "1 beginbfchar\n<0001> <2F4>\nendbfchar\n",
                                  kHeader + "1 beginbfrange\n<0009> <0001> <2F42>\nendbfrange\n"})
        EXPECT_FALSE(RewriteToUnicodeCMap(odd, TextLayerReading)) << odd.toStdString();
}

// Codes the map leaves unnamed are added, characters above U+FFFF as UTF-16 pairs,
// and read back with everything else.
TEST(ToUnicodeCMap, UnnamedCodesAreAddedAndEveryCodeReadsBack) {
    const QByteArray cmap = kHeader +
                            "3 beginbfrange\n<0000> <0000> <0000>\n<0001> <0001> <5F20>\n"
                            "<0006> <0007> [<0009> <0078>]\nendbfrange\n" + kTrailer;
    const std::optional<QByteArray> rewritten =
        RewriteToUnicodeCMap(cmap, TextLayerReading, {{2, U'𠮷'}, {4, U'𡈼'}});
    ASSERT_TRUE(rewritten);
    EXPECT_TRUE(rewritten->contains("<0002> <D842DFB7>")) << rewritten->toStdString();
    const std::optional<QMap<quint32, char32_t>> entries = ToUnicodeEntries(*rewritten);
    ASSERT_TRUE(entries);
    EXPECT_EQ(*entries, (QMap<quint32, char32_t>{{0, 0}, {1, U'张'}, {2, U'𠮷'}, {4, U'𡈼'},
                                                 {6, U' '}, {7, U'x'}}));
    EXPECT_EQ(ToUnicodeEntries(cmap)->size(), 4);
    EXPECT_FALSE(ToUnicodeEntries("no mappings here"));
}

// A PDF of `objects` (numbered from 1) laid out as Qt writes them: one table, no updates.
QByteArray PdfOf(const QList<QByteArray>& objects) {
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" +
           QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

QByteArray StreamObject(const QByteArray& dictionary, const QByteArray& data) {
    return "<< " + dictionary + " >>\nstream\n" + data + "\nendstream";
}

// A small PDF with one font whose ToUnicode map is `toUnicodeDictionary` and data.
QByteArray MiniPdf(const QByteArray& toUnicodeDictionary, const QByteArray& toUnicodeData) {
    return PdfOf({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [] /Count 0 /Resources << /Font << /F1 3 0 R >> >> >>",
        "<< /Type /Font /Subtype /Type0 /BaseFont /Test /ToUnicode 4 0 R >>",
        StreamObject(toUnicodeDictionary, toUnicodeData),
        "<< /Producer (after the map) >>",
    });
}

TEST(PdfTextLayer, CompressedMapsAreRewrittenAndTheTableFollows) {
    const QByteArray cmap = kHeader + "1 beginbfchar\n<0001> <2F42>\nendbfchar\n" + kTrailer;
    const QByteArray flate = qCompress(cmap).mid(4); // a zlib stream without Qt's size prefix
    for (const auto& [dictionary, data] :
         {std::pair{"/Length " + QByteArray::number(cmap.size()), cmap},
          std::pair{"/Filter /FlateDecode /Length " + QByteArray::number(flate.size()), flate}}) {
        const QByteArray pdf = MiniPdf(dictionary, data);
        const std::optional<QByteArray> repaired = WithReadableText(pdf);
        ASSERT_TRUE(repaired) << dictionary.toStdString();
        // The file as written stays in front; the new map follows, uncompressed.
        EXPECT_TRUE(repaired->startsWith(pdf));
        const QByteArray update = repaired->mid(pdf.size());
        EXPECT_TRUE(update.startsWith("4 0 obj\n<< /Length ")) << update.left(40).toStdString();
        EXPECT_TRUE(update.contains("<0001> <6587>"));
        EXPECT_FALSE(update.contains("/FlateDecode"));
        EXPECT_TRUE(update.contains("xref\n4 1\n"));
        EXPECT_TRUE(update.contains("trailer\n<< /Prev " + QByteArray::number(pdf.indexOf("xref")) + " /Size 6"));
        EXPECT_EQ(CrossReferenceMismatches(*repaired), QStringList());
        EXPECT_FALSE(WithReadableText(*repaired)); // once is enough
    }
    // Files this does not rewrite: another filter, appended updates, no table.
    QByteArray updated = MiniPdf("/Length " + QByteArray::number(cmap.size()), cmap);
    updated.replace("/Info 5 0 R", "/Info 5 0 R /Prev 9");
    for (const QByteArray& other : {MiniPdf("/Filter /LZWDecode /Length 3", "abc"), updated,
                                    QByteArray("%PDF-1.4\n1 0 obj\n<< /ToUnicode 1 0 R >>\nendobj\n")})
        EXPECT_FALSE(WithReadableText(other));
}

QByteArray MapOf(const QByteArray& mapping) { return kHeader + "1 beginbfchar\n" + mapping + "\nendbfchar\n" + kTrailer; }

TEST(PdfTextLayer, EveryChangedMapIsInTheUpdateUnderItsOwnNumber) {
    const auto map = [](const QByteArray& mapping) {
        const QByteArray cmap = MapOf(mapping);
        return StreamObject("/Length " + QByteArray::number(cmap.size()), cmap);
    };
    // Maps 4, 6 and 7 change, map 10 already reads right.
    const QByteArray pdf = PdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>",
                                  "<< /Type /Font /ToUnicode 4 0 R >>", map("<0001> <2F42>"), "<< >>",
                                  map("<0002> <2F43>"), map("<0003> <2F44>"), "<< /Type /Font /ToUnicode 6 0 R >>",
                                  "<< /Type /Font /ToUnicode 7 0 R /X [/ToUnicode 10 0 R] >>", map("<0004> <4E2D>")});
    const std::optional<QByteArray> repaired = WithReadableText(pdf);
    ASSERT_TRUE(repaired);
    const QByteArray update = repaired->mid(pdf.size());
    EXPECT_TRUE(update.contains("xref\n4 1\n")) << update.toStdString();
    EXPECT_TRUE(update.contains("\n6 2\n")) << update.toStdString();
    EXPECT_FALSE(update.contains("10 0 obj"));
    for (const char* reading : {"<0001> <6587>", "<0002> <6597>", "<0003> <65A4>"})
        EXPECT_TRUE(update.contains(reading)) << reading;
    EXPECT_EQ(CrossReferenceMismatches(*repaired), QStringList());
}

// The file is searched in pieces of 1 MiB: a reference across the seam is still found.
TEST(PdfTextLayer, AReferenceAcrossTwoPiecesOfTheSearchIsFound) {
    const QByteArray cmap = MapOf("<0001> <2F42>");
    const auto pdfWithFiller = [&](qsizetype filler) {
        return PdfOf({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>",
                      StreamObject("/Length " + QByteArray::number(filler), QByteArray(filler, 'x')),
                      "<< /Type /Font /ToUnicode 5 0 R >>",
                      StreamObject("/Length " + QByteArray::number(cmap.size()), cmap)});
    };
    constexpr qsizetype kSeam = 1024 * 1024;
    const qsizetype firstGuess = kSeam - 200;
    const qsizetype keyAt = pdfWithFiller(firstGuess).indexOf("/ToUnicode");
    for (qsizetype shift : {-17, -12, -5, -1, 0, 1, 4}) {
        const QByteArray pdf = pdfWithFiller(firstGuess + kSeam + shift - keyAt);
        ASSERT_EQ(pdf.indexOf("/ToUnicode"), kSeam + shift);
        const std::optional<QByteArray> repaired = WithReadableText(pdf);
        ASSERT_TRUE(repaired) << shift;
        EXPECT_TRUE(repaired->mid(pdf.size()).contains("<0001> <6587>")) << shift;
    }
}

class RepairedFile : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        QFile file(dir_.filePath(QStringLiteral("out.pdf")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return file.fileName();
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
    const QByteArray cmap_ = MapOf("<0001> <2F42>");
    const QByteArray pdf_ = MiniPdf("/Length " + QByteArray::number(cmap_.size()), cmap_);
};

// The whole-file check before a file takes its target's place: a file with its update
// appended is whole, one whose update was cut short is not.
TEST_F(RepairedFile, TheWholeFileCheckAcceptsTheUpdateAndRefusesItCutShort) {
    const QString path = Write(pdf_);
    ASSERT_TRUE(RepairPdfTextLayer(path));
    const QByteArray repaired = Read(path);
    ASSERT_GT(repaired.size(), pdf_.size());
    EXPECT_EQ(PdfIncompleteReason(path), QString());
    const qsizetype table = repaired.lastIndexOf("xref");
    for (qsizetype cut : {qsizetype(pdf_.size()) + 10, table + 2, repaired.size() - 12, repaired.size() - 3})
        EXPECT_NE(PdfIncompleteReason(Write(repaired.left(cut))), QString()) << cut;
    // startxref must name the update's table, not the first one.
    QByteArray misplaced = repaired;
    misplaced.replace(misplaced.lastIndexOf("startxref") + 10, 1, "9");
    EXPECT_NE(PdfIncompleteReason(Write(misplaced)), QString());
}

// An update the disk does not take leaves the file as it was written.
TEST_F(RepairedFile, AnUpdateThatCannotBeWrittenLeavesTheFileAsItWas) {
    const QString path = Write(pdf_);
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit limit{}, old{};
    getrlimit(RLIMIT_FSIZE, &old);
    limit = old;
    limit.rlim_cur = rlim_t(pdf_.size() + 16);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool repaired = RepairPdfTextLayer(path);
    setrlimit(RLIMIT_FSIZE, &old);
    sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_FALSE(repaired);
    EXPECT_EQ(Read(path), pdf_);
}

} // namespace
