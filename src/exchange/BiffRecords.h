#pragma once
// Reading the record stream of a BIFF8 workbook (the "Workbook" stream of an .xls
// file): records one by one, and the strings that run on over CONTINUE records.
#include <QByteArray>
#include <QList>
#include <QString>

struct BiffRecord {
    quint16 type = 0;
    const char* data = nullptr;
    int size = 0;
};

class BiffRecords {
public:
    explicit BiffRecords(const QByteArray& stream, qsizetype from = 0) : stream_(stream), pos_(from) {}
    // The next record; false at the end of the stream or at a record cut short.
    bool Next(BiffRecord& record);
    // The CONTINUE records right after the current one, which do not come from Next.
    QList<BiffRecord> TakeContinues();

private:
    const QByteArray& stream_;
    qsizetype pos_;
};

// Bytes over a record and its continuations, as one sequence; a run of characters
// that crosses into the next piece starts there with a fresh option byte.
class BiffPieces {
public:
    explicit BiffPieces(QList<BiffRecord> pieces) : pieces_(std::move(pieces)) {}
    bool AtEnd() const;
    // False when the bytes ran out; later reads then fail too.
    bool Byte(quint8& value);
    bool U16(quint16& value);
    bool U32(quint32& value);
    bool Skip(qint64 count);
    // An XLUnicodeString's characters: `count` of them, one byte each unless `wide`.
    bool Characters(int count, bool wide, QString& text);

private:
    bool Take(int count, QByteArray& bytes);
    QList<BiffRecord> pieces_;
    qsizetype piece_ = 0;
    int offset_ = 0;
    bool failed_ = false;
};

// An XLUnicodeString within one record at `data`: its text and the bytes it took
// (0 when it does not fit). `lengthBytes` is 2, or 1 for the short form.
QString BiffString(const char* data, int available, int lengthBytes, int* used);
