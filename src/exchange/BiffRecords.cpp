#include "exchange/BiffRecords.h"

#include <QtEndian>

namespace {
constexpr quint16 kContinue = 0x003C;
constexpr int kRecordHeader = 4;
constexpr quint8 kWideCharacters = 0x01;

QString Latin1Or16(const char* data, int count, bool wide) {
    if (!wide) return QString::fromLatin1(data, count);
    QString text(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) text[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
    return text;
}
} // namespace

bool BiffRecords::Next(BiffRecord& record) {
    if (pos_ + kRecordHeader > stream_.size()) return false;
    const char* header = stream_.constData() + pos_;
    record.type = qFromLittleEndian<quint16>(header);
    record.size = qFromLittleEndian<quint16>(header + 2);
    if (pos_ + kRecordHeader + record.size > stream_.size()) return false;
    record.data = header + kRecordHeader;
    pos_ += kRecordHeader + record.size;
    return true;
}

QList<BiffRecord> BiffRecords::TakeContinues() {
    QList<BiffRecord> continues;
    for (;;) {
        const qsizetype at = pos_;
        BiffRecord record;
        if (!Next(record) || record.type != kContinue) {
            pos_ = at; // the next record is read again by Next
            return continues;
        }
        continues << record;
    }
}

bool BiffPieces::AtEnd() const {
    return failed_ || piece_ >= pieces_.size() ||
           (piece_ == pieces_.size() - 1 && offset_ >= pieces_.last().size);
}

bool BiffPieces::Take(int count, QByteArray& bytes) {
    bytes.clear();
    while (!failed_ && bytes.size() < count) {
        if (piece_ >= pieces_.size()) {
            failed_ = true;
            break;
        }
        const BiffRecord& piece = pieces_[piece_];
        const int take = qMin<int>(count - int(bytes.size()), piece.size - offset_);
        bytes.append(piece.data + offset_, take);
        offset_ += take;
        if (offset_ >= piece.size) {
            ++piece_;
            offset_ = 0;
        }
    }
    return !failed_;
}

bool BiffPieces::Byte(quint8& value) {
    QByteArray bytes;
    if (!Take(1, bytes)) return false;
    value = quint8(bytes[0]);
    return true;
}

bool BiffPieces::U16(quint16& value) {
    QByteArray bytes;
    if (!Take(2, bytes)) return false;
    value = qFromLittleEndian<quint16>(bytes.constData());
    return true;
}

bool BiffPieces::U32(quint32& value) {
    QByteArray bytes;
    if (!Take(4, bytes)) return false;
    value = qFromLittleEndian<quint32>(bytes.constData());
    return true;
}

bool BiffPieces::Skip(qint64 count) {
    QByteArray bytes;
    for (; count > 0 && !failed_; count -= 8192) Take(int(qMin<qint64>(count, 8192)), bytes);
    return !failed_;
}

bool BiffPieces::Characters(int count, bool wide, QString& text) {
    text.clear();
    QByteArray bytes;
    while (!failed_ && text.size() < count) {
        if (piece_ > 0 && piece_ < pieces_.size() && offset_ == 0) {
            // Characters that go on in a continuation restate there whether they
            // take one byte or two.
            quint8 options = 0;
            if (!Byte(options)) break;
            wide = options & kWideCharacters;
        }
        if (piece_ >= pieces_.size()) {
            failed_ = true;
            break;
        }
        const int room = (pieces_[piece_].size - offset_) / (wide ? 2 : 1);
        const int chunk = qMin<int>(count - int(text.size()), qMax(room, 1));
        if (!Take(chunk * (wide ? 2 : 1), bytes)) break;
        text += Latin1Or16(bytes.constData(), chunk, wide);
    }
    return !failed_;
}

QString BiffString(const char* data, int available, int lengthBytes, int* used) {
    *used = 0;
    if (available < lengthBytes + 1) return {};
    const int count = lengthBytes == 1 ? quint8(data[0]) : qFromLittleEndian<quint16>(data);
    const bool wide = quint8(data[lengthBytes]) & kWideCharacters;
    const int bytes = lengthBytes + 1 + count * (wide ? 2 : 1);
    if (bytes > available) return {};
    *used = bytes;
    return Latin1Or16(data + lengthBytes + 1, count, wide);
}
