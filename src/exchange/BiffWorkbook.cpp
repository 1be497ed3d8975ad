#include "exchange/BiffWorkbook.h"

#include "exchange/BiffRecords.h"
#include "exchange/SheetCells.h"

#include <QHash>
#include <QtEndian>
#include <cstring>

namespace {

enum RecordType : quint16 {
    kFormula = 0x0006,
    kEof = 0x000A,
    kDateMode = 0x0022,
    kFilePass = 0x002F,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kFormat = 0x041E,
    kBof = 0x0809,
};
constexpr quint16 kBiff8 = 0x0600;
constexpr int kCellHeader = 6; // row, column, format index

quint16 U16(const char* data) { return qFromLittleEndian<quint16>(data); }
quint32 U32(const char* data) { return qFromLittleEndian<quint32>(data); }

double RkNumber(quint32 rk) {
    double value = 0;
    if (rk & 0x02) {
        value = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 0x01 ? value / 100 : value;
}

double Float(const char* data) {
    double value = 0;
    const quint64 bits = qFromLittleEndian<quint64>(data);
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString ErrorText(quint8 code) {
    static const QHash<quint8, QString> kErrors = {
        {0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"}, {0x17, "#REF!"},
        {0x1D, "#NAME?"}, {0x24, "#NUM!"},   {0x2A, "#N/A"}};
    return kErrors.value(code, QStringLiteral("#N/A"));
}

QString BoolOrError(quint8 value, bool error) {
    if (error) return ErrorText(value);
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

BiffProblem ReadStrings(BiffRecords& records, const BiffRecord& sst, qsizetype maxCells,
                        QStringList& strings) {
    QList<BiffRecord> pieces{sst};
    pieces += records.TakeContinues();
    BiffPieces bytes(pieces);
    quint32 total = 0, unique = 0;
    if (!bytes.U32(total) || !bytes.U32(unique)) return BiffProblem::Damaged;
    if (qsizetype(unique) > maxCells) return BiffProblem::TooManyCells;
    for (quint32 i = 0; i < unique && !bytes.AtEnd(); ++i) {
        quint16 count = 0;
        quint8 options = 0;
        quint16 runs = 0;
        quint32 extension = 0;
        if (!bytes.U16(count) || !bytes.Byte(options)) return BiffProblem::Damaged;
        if ((options & 0x08) && !bytes.U16(runs)) return BiffProblem::Damaged;
        if ((options & 0x04) && !bytes.U32(extension)) return BiffProblem::Damaged;
        QString text;
        if (!bytes.Characters(count, options & 0x01, text) || !bytes.Skip(4LL * runs + extension))
            return BiffProblem::Damaged;
        strings << text;
    }
    return BiffProblem::None;
}

class SheetReading {
public:
    SheetReading(const BiffWorkbook& workbook, qsizetype maxCells, SheetCells& cells)
        : workbook_(workbook), maxCells_(maxCells), cells_(cells) {}

    // False when the record is damaged or the cells are too many.
    BiffProblem Cell(const BiffRecord& record) {
        const char* d = record.data;
        if (record.type == kString) {
            int used = 0;
            if (pendingString_) Put(pendingRow_, pendingColumn_, BiffString(d, record.size, 2, &used));
            pendingString_ = false;
            return Check();
        }
        if (record.size < kCellHeader) return BiffProblem::None;
        const int row = U16(d) + 1, column = U16(d + 2) + 1, style = U16(d + 4);
        switch (record.type) {
        case kLabelSst:
            if (record.size >= 10) Put(row, column, workbook_.strings.value(U32(d + 6)));
            break;
        case kNumber:
            if (record.size >= 14) Put(row, column, NumberText(Float(d + 6), style));
            break;
        case kRk:
            if (record.size >= 10) Put(row, column, NumberText(RkNumber(U32(d + 6)), style));
            break;
        case kMulRk:
            // Pairs of format and number from the first column on, then the last column.
            for (int at = 4, c = column; at + 6 <= record.size - 2; at += 6, ++c)
                Put(row, c, NumberText(RkNumber(U32(d + at + 2)), U16(d + at)));
            break;
        case kLabel:
        case kRString: {
            int used = 0;
            Put(row, column, BiffString(d + kCellHeader, record.size - kCellHeader, 2, &used));
            break;
        }
        case kBoolErr:
            if (record.size >= 8) Put(row, column, BoolOrError(quint8(d[6]), d[7] != 0));
            break;
        case kFormula:
            if (record.size >= 14) Formula(d, row, column, style);
            break;
        default: break;
        }
        return Check();
    }

private:
    QString NumberText(double value, int style) const {
        const DateParts parts = workbook_.cellStyles.value(style, DateParts::None);
        return parts == DateParts::None ? GeneralNumberText(value)
                                        : SerialDateText(value, parts, workbook_.date1904);
    }

    void Formula(const char* d, int row, int column, int style) {
        if (U16(d + 12) != 0xFFFF) {
            Put(row, column, NumberText(Float(d + 6), style));
            return;
        }
        switch (quint8(d[6])) {
        case 0: // the text follows in a STRING record
            pendingString_ = true;
            pendingRow_ = row;
            pendingColumn_ = column;
            break;
        case 1: Put(row, column, BoolOrError(quint8(d[8]), false)); break;
        case 2: Put(row, column, BoolOrError(quint8(d[8]), true)); break;
        default: break;
        }
    }

    void Put(int row, int column, const QString& text) { cells_.Set(row, column, text); }
    BiffProblem Check() const {
        return cells_.Size() > maxCells_ ? BiffProblem::TooManyCells : BiffProblem::None;
    }

    const BiffWorkbook& workbook_;
    qsizetype maxCells_;
    SheetCells& cells_;
    bool pendingString_ = false;
    int pendingRow_ = 0, pendingColumn_ = 0;
};

bool IsBiff8Start(const BiffRecord& record) {
    return record.type == kBof && record.size >= 2 && U16(record.data) == kBiff8;
}

} // namespace

BiffProblem ReadBiffWorkbook(const QByteArray& stream, qsizetype maxCells, BiffWorkbook& workbook) {
    BiffRecords records(stream);
    BiffRecord record;
    if (!records.Next(record) || !IsBiff8Start(record)) return BiffProblem::NotBiff8;
    QHash<int, QString> formats;
    QList<int> styleFormats;
    while (records.Next(record) && record.type != kEof) {
        const char* d = record.data;
        int used = 0;
        switch (record.type) {
        case kFilePass: return BiffProblem::Damaged; // encrypted
        case kDateMode:
            if (record.size >= 2) workbook.date1904 = U16(d) != 0;
            break;
        case kFormat:
            if (record.size >= 2) formats.insert(U16(d), BiffString(d + 2, record.size - 2, 2, &used));
            break;
        case kXf:
            if (record.size >= 4) styleFormats << U16(d + 2);
            break;
        case kBoundSheet:
            if (record.size >= 8 && d[5] == 0) // worksheets only
                workbook.sheets.append({BiffString(d + 6, record.size - 6, 1, &used), U32(d)});
            break;
        case kSst:
            if (const BiffProblem problem = ReadStrings(records, record, maxCells, workbook.strings);
                problem != BiffProblem::None)
                return problem;
            break;
        default: break;
        }
    }
    for (int format : styleFormats) workbook.cellStyles << DatePartsOfFormat(format, formats.value(format));
    return workbook.sheets.isEmpty() ? BiffProblem::Damaged : BiffProblem::None;
}

BiffProblem ReadBiffSheet(const QByteArray& stream, const BiffWorkbook& workbook, quint32 offset,
                          qsizetype maxCells, SheetCells& cells) {
    BiffRecords records(stream, offset);
    BiffRecord record;
    if (!records.Next(record) || !IsBiff8Start(record)) return BiffProblem::Damaged;
    SheetReading reading(workbook, maxCells, cells);
    while (records.Next(record) && record.type != kEof)
        if (const BiffProblem problem = reading.Cell(record); problem != BiffProblem::None) return problem;
    return BiffProblem::None;
}
