// The text layer of printed PDF files, read back with poppler's pdftotext: what the
// bill shows is what a search or a copy finds.
#include "PdfProbe.h"
#include "PrintFixture.h"

#include "common/ScriptedAsker.h"
#include "content/QStringPrinting.h"
#include "content/layout/FontMapping.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"

#include <QFile>
#include <functional>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// The 500 most used characters of written Chinese, by frequency.
const QString kCommon500 = QStringLiteral(
    "的一是不了在人有我他这个们中来上大为和国地到以说时要就出会可也你对生能而子那得于着下自之年过发后作里用道行所然家种"
    "事成方多经么去法学如都同现当没动面起看定天分还进好小部其些主样理心她本前开但因只从想实日军者意无力它与长把机十民第"
    "公此已工使情明性知全三又关点正业外将两高间由问很最重并物手应战向头文体政美相见被利什二等产或新己制身果加西斯月话合"
    "回特代内信表化老给世位次度门任常先海通教儿原东声提立及比员解水名真论处走义各入几口认条平系气题活尔更别打女变四神总"
    "何电数安少报才结反受目太量再感建务做接必场件计管期市直德资命山金指克许统区保至队形社便空决治展马科司五基眼书非则听"
    "白却界达光放强即像难且权思王象完设式色路记南品住告类求据程北边死张该交规万取拉格望觉术领共确传师观清今切院让识候带"
    "导争运笑飞风步改收根干造言联持组每济车亲极林服快办议往元英士证近失转夫令准布始怎呢存未远叫台单影具罗字爱击流备兵连"
    "调深商算质团集百需价花党华城石级整府离况亚请技际约示复病息究线似官火断精满支视消越器容照须九增研写称企八功吗包片史"
    "委乎查轻易早曾除农找装广显吧阿李标谈吃图念六引历首医局突专费号尽另周较注语仅考落青随选列");

// The 6763 ideographs of GB 2312, the national standard set, in code order.
QString Gb2312Hanzi() {
    QByteArray gb;
    for (int high = 0xB0; high <= 0xF7; ++high)
        for (int low = 0xA1; low <= 0xFE; ++low) gb.append(char(high)).append(char(low));
    QByteArray utf8(gb.size() * 2, '\0');
    iconv_t cd = iconv_open("UTF-8", "GB2312");
    char* in = gb.data();
    char* out = utf8.data();
    size_t inLeft = size_t(gb.size()), outLeft = size_t(utf8.size());
    // The five unassigned codes at the end of row 55 stop the conversion: skip them.
    while (inLeft > 0 && iconv(cd, &in, &inLeft, &out, &outLeft) == size_t(-1)) {
        in += 2;
        inLeft -= 2;
    }
    iconv_close(cd);
    utf8.truncate(utf8.size() - qsizetype(outLeft));
    return QString::fromUtf8(utf8);
}

QString WithoutBlanks(QString text) {
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    return text.remove(kBlanks);
}

class PdfTextLayerTest : public ::testing::Test {
protected:
    void SetUp() override { InstallChineseFontSubstitutions(); }

    // Prints one page per text, each in one large box in `font` (then `style`d with the
    // page's index), as one job.
    QString PrintPages(const QStringList& texts, const QString& font,
                       const std::function<void(BoxRecord&, int)>& style = {}) {
        const QString pdf = dir_.filePath(QStringLiteral("pages%1.pdf").arg(++files_));
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, pdf);
        ScriptedAsker asker;
        PrintJob job(printer, asker);
        BillPrintRequest request;
        request.endJob = false;
        for (int page = 0; page < texts.size(); ++page) {
            Format format = MakeFormat();
            format.boxes << MakeBox(1, BoxKind::Text, 10, 10, 190, 270);
            format.boxes[0].fontName = font;
            if (style) style(format.boxes[0], page);
            Bill bill;
            bill.SetValue(1, texts[page]);
            EXPECT_TRUE(job.PrintBill(format, bill, request));
        }
        EXPECT_TRUE(job.End());
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(CrossReferenceMismatches(file.readAll()), QStringList()) << "rewritten file";
        return pdf;
    }

    QTemporaryDir dir_;
    int files_ = 0;
};

TEST_F(PdfTextLayerTest, WordsAndSpacesReadAsTyped) {
    // Each of these shares its glyph with a radical; the spaces with the tab.
    const QString typed = QStringLiteral("角 文 方 用 金 长 收款人 Payment to 张三");
    for (const QString& font : {QStringLiteral("宋体"), QStringLiteral("黑体")})
        EXPECT_EQ(PdfText(PrintPages({typed}, font)).trimmed(), typed) << font.toStdString();
}

// Ideographs above U+FFFF, which occur in names, are named from the glyphs the job
// drew; the first appear only on a later page, after the font's other glyphs.
TEST_F(PdfTextLayerTest, IdeographsAboveTheBasicPlaneReadAsTyped) {
    const QStringList pages = {QStringLiteral("收款人 张三 金额 123.45"),
                               QStringLiteral("张𠮷 李𡈼 王𨭉 赵𩸽 𠀋 𡵓 𧾷 收款人"),
                               QStringLiteral("𡈼𠮷 周𧾷 三")};
    for (const QString& font : {QStringLiteral("宋体"), QStringLiteral("黑体")}) {
        const QStringList read = PdfText(PrintPages(pages, font)).split(u'\f');
        ASSERT_GE(read.size(), pages.size()) << font.toStdString();
        for (qsizetype page = 0; page < pages.size(); ++page)
            EXPECT_EQ(read[page].trimmed(), pages[page]) << font.toStdString() << " page " << page + 1;
    }
}

// The same in bold, which is a face of its own, and underlined, which is drawn as a
// whole string rather than glyph by glyph, all in one job.
TEST_F(PdfTextLayerTest, BoldAndUnderlinedIdeographsAboveTheBasicPlaneReadAsTyped) {
    const QStringList pages = {QStringLiteral("张𠮷 收款人"), QStringLiteral("李𡈼 收款人"),
                               QStringLiteral("王𨭉 𠮷")};
    const QStringList read = PdfText(PrintPages(pages, QStringLiteral("宋体"), [](BoxRecord& box, int page) {
                                 box.bold = page == 1;
                                 box.underline = page == 2;
                             })).split(u'\f');
    ASSERT_GE(read.size(), pages.size());
    for (qsizetype page = 0; page < pages.size(); ++page)
        EXPECT_EQ(read[page].trimmed(), pages[page]) << "page " << page + 1;
}

// The whole of GB 2312 (which holds the 500 most used characters and every other
// ideograph a bill is likely to carry) in both default fonts: no character comes
// back as a radical, a control character or another code point.
TEST_F(PdfTextLayerTest, CommonAndStandardCharactersComeBackExactly) {
    const QString hanzi = Gb2312Hanzi();
    ASSERT_EQ(hanzi.size(), 6763);
    QStringList pages = {kCommon500};
    for (qsizetype start = 0; start < hanzi.size(); start += 700) pages << hanzi.mid(start, 700);
    for (const QString& font : {QStringLiteral("宋体"), QStringLiteral("黑体")}) {
        const QStringList read = PdfText(PrintPages(pages, font)).split(u'\f');
        ASSERT_GE(read.size(), pages.size()) << font.toStdString();
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QString text = WithoutBlanks(read[page]);
            QString wrong;
            for (qsizetype i = 0; i < std::min(text.size(), pages[page].size()); ++i)
                if (text[i] != pages[page][i]) wrong += QStringLiteral("%1→%2 ").arg(pages[page][i]).arg(text[i]);
            EXPECT_EQ(text, pages[page]) << font.toStdString() << " page " << page + 1 << ": "
                                         << wrong.left(300).toStdString();
        }
    }
}

} // namespace
