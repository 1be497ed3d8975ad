// Files made to exhaust the readers: a binary workbook whose sector chains loop, CSV
// fields and files beyond the limits, and a large CSV of which only the first rows
// are wanted. Each is read under a memory cap.
#include "ExchangeFixture.h"

#include "common/MemoryCap.h"
#include "exchange/CsvReader.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SheetReader.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr int kSectorShift = 12;
constexpr int kSectorSize = 1 << kSectorShift;
constexpr int kHeaderFatSlots = 109;

// A compound file of 4 KB sectors whose 109 sectors are all sector tables filled with
// zeros: every chain, the directory's first, leads from sector 0 back to sector 0.
// The tables hold 111 616 entries; reading a chain as long as that would take 457 MB.
QByteArray LoopingCompoundFile() {
    QByteArray file(kSectorSize * (kHeaderFatSlots + 1), '\0');
    char* header = file.data();
    memcpy(header, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    qToLittleEndian<quint16>(0x3E, header + 0x18);
    qToLittleEndian<quint16>(4, header + 0x1A);
    qToLittleEndian<quint16>(0xFFFE, header + 0x1C);
    qToLittleEndian<quint16>(kSectorShift, header + 0x1E);
    qToLittleEndian<quint16>(6, header + 0x20);
    qToLittleEndian<quint32>(kHeaderFatSlots, header + 0x2C);  // sector table sectors
    qToLittleEndian<quint32>(0, header + 0x30);                // directory starts at 0
    qToLittleEndian<quint32>(0x1000, header + 0x38);           // mini stream cutoff
    qToLittleEndian<quint32>(0xFFFFFFFE, header + 0x3C);
    qToLittleEndian<quint32>(0xFFFFFFFE, header + 0x44);
    for (int i = 0; i < kHeaderFatSlots; ++i) qToLittleEndian<quint32>(i, header + 0x4C + 4 * i);
    return file;
}

class HostileFiles : public ExchangeFixture {};

TEST_F(HostileFiles, LoopingSectorChainsAreRefusedWithoutGrowing) {
    const QString path = WriteFile(QStringLiteral("循环.xls"), LoopingCompoundFile());
    EXPECT_TRUE(RunsWithinMemory(64, [&] {
        QString error;
        return !OpenSheetFile(path, &error) && error == ExchangeText::kWrongFileType;
    }));
}

TEST_F(HostileFiles, ABinaryWorkbookBeyondItsLimitIsRefusedUnread) {
    QFile file(FilePath(QStringLiteral("巨大.xls")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(LoopingCompoundFile());
    const WorkbookLimits limits;
    ASSERT_TRUE(file.resize(limits.xlsFileBytes + 1)); // sparse: no disk needed
    file.close();
    EXPECT_TRUE(RunsWithinMemory(64, [&] {
        QString error;
        return !OpenSheetFile(file.fileName(), &error) && error == ExchangeText::XlsTooLarge(limits.xlsFileBytes);
    }));
}

TEST_F(HostileFiles, CsvFieldsAndFilesBeyondTheLimits) {
    const qsizetype limit = WorkbookLimits().csvFieldChars;
    QByteArray bytes = "a,b\n\"" + QByteArray(limit, 'x') + "\",c\n";
    QString error;
    EXPECT_TRUE(CsvReader::Open(WriteFile(QStringLiteral("满.csv"), bytes), &error)) << "a field at the limit reads";
    bytes = "a,b\n\"" + QByteArray(limit + 1, 'x') + "\",c\n";
    EXPECT_FALSE(CsvReader::Open(WriteFile(QStringLiteral("超.csv"), bytes), &error));
    EXPECT_EQ(error, ExchangeText::CsvFieldTooLong(2, limit));

    // One 200 MB line of commas: many empty cells, refused before they fill memory.
    const QString commas = FilePath(QStringLiteral("逗号.csv"));
    {
        QFile file(commas);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, ',');
        for (int i = 0; i < 200; ++i) file.write(block);
    }
    const WorkbookLimits limits;
    EXPECT_TRUE(RunsWithinMemory(300, [&] {
        QString refusal;
        return !OpenSheetFile(commas, &refusal)
               && refusal == ExchangeText::CsvTooLarge(limits.cells, limits.csvTextChars);
    }));
}

TEST_F(HostileFiles, ACsvIsReadNoFurtherThanTheLastRowWanted) {
    // 1 000 000 rows (35 MB), of which the first 30 000 are wanted.
    const QString path = FilePath(QStringLiteral("百万.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray chunk;
        for (int row = 1; row <= 1'000'000; ++row) {
            chunk += "R" + QByteArray::number(row) + ",张三李四,12345.67,备注\n";
            if (chunk.size() > (1 << 20)) file.write(std::exchange(chunk, {}));
        }
        file.write(chunk);
    }
    EXPECT_TRUE(RunsWithinMemory(100, [&] {
        QString error;
        const std::unique_ptr<SheetReader> reader = OpenSheetFile(path, &error, 30000);
        return reader && reader->RowCount() == 30000 && reader->Cell(30000, 1) == u"R30000"
               && reader->Cell(1, 2) == u"张三李四";
    }));
}

} // namespace
