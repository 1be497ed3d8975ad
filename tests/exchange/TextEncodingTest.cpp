// CSV files in the encodings other tools write: GBK with the codes offices add for
// made-up name characters, UTF-16 and UTF-32 with and without a byte-order mark, and
// bytes no encoding takes, which are refused with their line instead of garbled.
#include "ExchangeFixture.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SheetReader.h"
#include "formatfile/AnsiText.h"
#include "formatfile/TextDecoder.h"

#include <QStringEncoder>

namespace {

using Records = QList<QStringList>;

class TextEncodings : public ExchangeFixture {
protected:
    // The cells of a CSV file with these bytes; fails the test when it does not open.
    Records Read(const QByteArray& bytes) {
        QString error;
        const std::unique_ptr<SheetReader> reader = OpenSheetFile(WriteFile(QStringLiteral("数据.csv"), bytes), &error);
        EXPECT_TRUE(reader) << error.toStdString();
        return reader ? Cells(*reader) : Records();
    }
    // The message refusing a CSV file with these bytes.
    QString Refusal(const QByteArray& bytes) {
        QString error;
        EXPECT_FALSE(OpenSheetFile(WriteFile(QStringLiteral("坏.csv"), bytes), &error));
        return error;
    }
};

TEST_F(TextEncodings, GbkCodesOutsideTheCommonSetKeepEveryCharacter) {
    // A1 40 and D7 FA are user-defined codes (private-use characters), FE 50 a radical,
    // A2 E3 the euro sign: one of them once turned the whole file into U+FFFD.
    QByteArray bytes = EncodeAnsi(QStringLiteral("姓名,备注\r\n张三,"));
    bytes += "\xA1\x40\xD7\xFA,\xFE\x50\xA2\xE3\r\n";
    bytes += EncodeAnsi(QStringLiteral("李四,普通\r\n"));
    EXPECT_EQ(Read(bytes), Records({{"姓名", "备注", ""},
                                    {"张三", QStringLiteral("\uE4C6\uE810"), QStringLiteral("\u2E81€")},
                                    {"李四", "普通", ""}}));
}

TEST_F(TextEncodings, Utf16AndUtf32ByMarkOrByTheirNulBytes) {
    // 一 (U+4E00) and 𠀀 (U+20000) give NUL bytes of their own.
    const QString text = QStringLiteral("收款人,金额\r\n张一,\"1,000.00\"\r\n李四,𠀀\r\n");
    const Records expected = {{"收款人", "金额"}, {"张一", "1,000.00"}, {"李四", "𠀀"}};
    using E = QStringConverter::Encoding;
    for (const E encoding : {E::Utf16LE, E::Utf16BE, E::Utf32LE, E::Utf32BE}) {
        for (const bool mark : {true, false}) {
            SCOPED_TRACE(testing::Message() << int(encoding) << (mark ? " with mark" : " without mark"));
            QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom
                                                  : QStringConverter::Flag::Default);
            EXPECT_EQ(Read(encoder.encode(text)), expected);
        }
    }
}

TEST_F(TextEncodings, BytesNoEncodingTakesAreRefusedWithTheirLine) {
    // GBK whose third line holds a lead byte without its second byte.
    QByteArray gbk = EncodeAnsi(QStringLiteral("名称,金额\r\n张三,1\r\n"));
    gbk += "\x81\x20x,2\r\n";
    EXPECT_EQ(Refusal(gbk), ExchangeText::CsvUndecodable(3));

    // UTF-8 that goes wrong far beyond the first piece read.
    QByteArray utf8;
    for (int line = 1; line < 60000; ++line) utf8 += QStringLiteral("第%1行,金额\n").arg(line).toUtf8();
    utf8 += "\xFF\xFE,x\n";
    EXPECT_EQ(Refusal(utf8), ExchangeText::CsvUndecodable(60000));

    // A file cut in the middle of a character.
    EXPECT_EQ(Refusal(EncodeAnsi(QStringLiteral("张三,李")).chopped(1)), ExchangeText::CsvUndecodable(1));
}

TEST(TextDecoder, PiecesCutAnywhereGiveTheSameText) {
    const QString text = QStringLiteral("a,张三\r\n𠮷野家,€\uE4C6\n") + QString(5000, u'x') + QStringLiteral("末");
    QStringEncoder utf16(QStringConverter::Utf16BE);
    const QByteArray encodings[] = {text.toUtf8(), EncodeAnsi(text), utf16.encode(text)};
    for (const QByteArray& bytes : encodings) {
        for (const qsizetype step : {1, 3, 4096}) {
            TextDecoder decoder;
            QString decoded;
            for (qsizetype at = 0; at < bytes.size(); at += step)
                ASSERT_TRUE(decoder.Feed(QByteArrayView(bytes).sliced(at, qMin(step, bytes.size() - at)), decoded));
            ASSERT_TRUE(decoder.Finish(decoded));
            EXPECT_EQ(decoded, text) << "step " << step;
        }
    }
}

} // namespace
