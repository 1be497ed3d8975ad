#include "print/PdfFile.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <zlib.h>

namespace {

// Inflated streams larger than this are not ours to rewrite.
constexpr qsizetype kMaxInflated = 64 * 1024 * 1024;
// The file is searched in pieces this large, each overlapping the one before by
// more than a reference ("/ToUnicode 12 0 R") can span.
constexpr qint64 kSearchChunk = 1024 * 1024;
constexpr qint64 kSearchOverlap = 256;
// An object's dictionary is read in a window that grows up to this size.
constexpr qint64 kFirstWindow = 4096;
constexpr qint64 kLargestWindow = 1024 * 1024;
// A cross-reference entry: "0000012345 00000 n" and a two-byte end of line.
constexpr qint64 kEntrySize = 20;

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

// Reads PDF tokens forward from a position.
class Cursor {
public:
    Cursor(const QByteArray& bytes, qint64 position) : bytes_(bytes), position_(position) {}
    qint64 Position() const { return position_; }
    void SkipSpace() {
        while (position_ < bytes_.size() && IsSpace(bytes_[position_])) ++position_;
    }
    std::optional<qint64> Integer() {
        SkipSpace();
        const qint64 start = position_;
        while (position_ < bytes_.size() && bytes_[position_] >= '0' && bytes_[position_] <= '9') ++position_;
        if (position_ == start || position_ - start > 18) return std::nullopt;
        return bytes_.mid(start, position_ - start).toLongLong();
    }
    bool Keyword(const char* word) {
        SkipSpace();
        const QByteArray expected(word);
        if (bytes_.mid(position_, expected.size()) != expected) return false;
        position_ += expected.size();
        return true;
    }
    bool Peek(const char* word) {
        SkipSpace();
        return bytes_.mid(position_, qstrlen(word)) == word;
    }
    // A dictionary "<< ... >>" with nested ones, as written.
    std::optional<QByteArray> Dictionary() {
        SkipSpace();
        const qint64 start = position_;
        if (bytes_.mid(start, 2) != "<<") return std::nullopt;
        int depth = 0;
        while (position_ + 1 < bytes_.size()) {
            const QByteArray pair = bytes_.mid(position_, 2);
            const int step = pair == "<<" ? 1 : pair == ">>" ? -1 : 0;
            depth += step;
            position_ += step == 0 ? 1 : 2;
            if (depth <= 0) break;
        }
        if (depth != 0) return std::nullopt;
        return bytes_.mid(start, position_ - start);
    }
    // The end of line after the "stream" keyword: CR LF or LF.
    bool StreamLineEnd() {
        if (bytes_.mid(position_, 2) == "\r\n") position_ += 2;
        else if (bytes_.mid(position_, 1) == "\n") position_ += 1;
        else return false;
        return true;
    }

private:
    const QByteArray& bytes_;
    qint64 position_;
};

std::optional<QByteArray> Inflate(const QByteArray& compressed) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    QByteArray out;
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK && out.size() <= kMaxInflated) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) return std::nullopt;
    return out;
}

} // namespace

QByteArray PdfFile::ReadAt(qint64 position, qint64 length) const {
    if (position < 0 || length <= 0 || !device_->seek(position)) return {};
    return device_->read(length);
}

std::optional<PdfFile> PdfFile::Open(QIODevice& device) {
    PdfFile file(device);
    file.size_ = device.size();
    constexpr qint64 kTail = 1024;
    const qint64 tailStart = std::max<qint64>(0, file.size_ - kTail);
    const QByteArray tail = file.ReadAt(tailStart, kTail);
    const qsizetype startxref = tail.lastIndexOf("startxref");
    if (startxref < 0) return std::nullopt;
    Cursor end(tail, startxref + 9);
    const std::optional<qint64> tableOffset = end.Integer();
    if (!tableOffset || *tableOffset >= tailStart + startxref) return std::nullopt;
    file.tableOffset_ = *tableOffset;

    // The subsections' headers; their entries are read when asked for.
    qint64 position = *tableOffset;
    {
        const QByteArray start = file.ReadAt(position, 16);
        Cursor keyword(start, 0);
        if (!keyword.Keyword("xref")) return std::nullopt; // a cross-reference stream
        position += keyword.Position();
    }
    for (;;) {
        const QByteArray header = file.ReadAt(position, 64);
        Cursor cursor(header, 0);
        if (cursor.Peek("trailer")) {
            position += cursor.Position() + 7;
            break;
        }
        const std::optional<qint64> first = cursor.Integer(), count = cursor.Integer();
        if (!first || !count || *first > 8'000'000 || *count > 8'000'000 || file.sections_.size() > 100'000)
            return std::nullopt;
        cursor.SkipSpace();
        file.sections_.append({int(*first), int(*count), position + cursor.Position()});
        position += cursor.Position() + *count * kEntrySize;
        if (position >= file.size_) return std::nullopt;
    }
    const qint64 trailerStart = position;
    const QByteArray trailer = file.ReadAt(trailerStart, tailStart + startxref - trailerStart);
    Cursor dictionary(trailer, 0);
    const std::optional<QByteArray> trailerDictionary = dictionary.Dictionary();
    if (!trailerDictionary) return std::nullopt;
    file.trailer_ = *trailerDictionary;
    // Appended updates would keep older tables alive; leave such files alone.
    if (file.trailer_.contains("/Prev")) return std::nullopt;
    return file;
}

QList<int> PdfFile::ReferencedObjects(const char* key) const {
    const QByteArray needle(key);
    QList<int> numbers;
    QSet<int> seen;
    QByteArray carried;
    for (qint64 at = 0; at < tableOffset_;) {
        const QByteArray piece = ReadAt(at, std::min(kSearchChunk, tableOffset_ - at));
        if (piece.isEmpty()) break;
        at += piece.size();
        const QByteArray chunk = carried + piece;
        for (qsizetype hit = chunk.indexOf(needle); hit >= 0; hit = chunk.indexOf(needle, hit + 1)) {
            Cursor reference(chunk, hit + needle.size());
            const std::optional<qint64> number = reference.Integer(), generation = reference.Integer();
            if (!number || !generation || !reference.Keyword("R") || *number > 8'000'000) continue;
            if (!seen.contains(int(*number))) numbers.append(int(*number));
            seen.insert(int(*number));
        }
        carried = chunk.right(kSearchOverlap);
    }
    return numbers;
}

std::optional<PdfFile::Entry> PdfFile::EntryOf(int number) const {
    for (const Section& section : sections_) {
        if (number < section.first || number >= section.first + section.count) continue;
        const QByteArray line = ReadAt(section.start + qint64(number - section.first) * kEntrySize, kEntrySize);
        Cursor cursor(line, 0);
        const std::optional<qint64> offset = cursor.Integer(), generation = cursor.Integer();
        if (!offset || !generation || !cursor.Keyword("n")) return std::nullopt;
        return Entry{*offset, int(*generation)};
    }
    return std::nullopt;
}

std::optional<qint64> PdfFile::IndirectInteger(int number) const {
    const std::optional<Entry> entry = EntryOf(number);
    if (!entry) return std::nullopt;
    const QByteArray object = ReadAt(entry->offset, 64);
    Cursor cursor(object, 0);
    if (cursor.Integer() != number || !cursor.Integer() || !cursor.Keyword("obj")) return std::nullopt;
    return cursor.Integer();
}

std::optional<PdfFile::Stream> PdfFile::FindStream(int number) const {
    const std::optional<Entry> entry = EntryOf(number);
    if (!entry || entry->offset >= tableOffset_) return std::nullopt;
    Stream stream;
    stream.generation = entry->generation;
    // The dictionary is read in a window that grows until it holds the whole of it.
    for (qint64 size = kFirstWindow;; size *= 4) {
        const QByteArray head = ReadAt(entry->offset, std::min(size, tableOffset_ - entry->offset));
        Cursor cursor(head, 0);
        if (cursor.Integer() != number || cursor.Integer() != entry->generation || !cursor.Keyword("obj"))
            return std::nullopt;
        const std::optional<QByteArray> dictionary = cursor.Dictionary();
        if (dictionary && cursor.Keyword("stream") && cursor.StreamLineEnd()) {
            stream.dictionary = *dictionary;
            stream.dataStart = entry->offset + cursor.Position();
            break;
        }
        if (head.size() < size || size >= kLargestWindow) return std::nullopt;
    }

    static const QRegularExpression kLength(QStringLiteral(R"(/Length\s+(\d+)(\s+(\d+)\s+R)?)"));
    const QRegularExpressionMatch length = kLength.match(QString::fromLatin1(stream.dictionary));
    if (!length.hasMatch()) return std::nullopt;
    const std::optional<qint64> dataLength = length.capturedLength(2) > 0
                                                 ? IndirectInteger(length.captured(1).toInt())
                                                 : std::optional<qint64>(length.captured(1).toLongLong());
    if (!dataLength || *dataLength > kMaxInflated || stream.dataStart + *dataLength > tableOffset_)
        return std::nullopt;
    stream.dataLength = *dataLength;
    const QByteArray after = ReadAt(stream.dataStart + stream.dataLength, 64);
    Cursor cursor(after, 0);
    if (!cursor.Keyword("endstream") || !cursor.Keyword("endobj")) return std::nullopt;
    return stream;
}

std::optional<QByteArray> PdfFile::StreamData(int number) const {
    const std::optional<Stream> stream = FindStream(number);
    if (!stream) return std::nullopt;
    const QByteArray data = ReadAt(stream->dataStart, stream->dataLength);
    if (data.size() != stream->dataLength) return std::nullopt;
    if (!stream->dictionary.contains("/Filter")) return data;
    static const QRegularExpression kFlateOnly(QStringLiteral(R"(/Filter\s*(\[\s*)?/FlateDecode\s*\]?)"));
    if (!kFlateOnly.match(QString::fromLatin1(stream->dictionary)).hasMatch() ||
        stream->dictionary.contains("/DecodeParms"))
        return std::nullopt;
    return Inflate(data);
}

bool PdfFile::ReplaceStream(int number, const QByteArray& data) {
    const std::optional<Stream> stream = FindStream(number);
    if (!stream) return false;
    for (const Replacement& r : std::as_const(replacements_))
        if (r.number == number) return false;
    const QByteArray object = QByteArray::number(number) + ' ' + QByteArray::number(stream->generation) +
                              " obj\n<< /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data +
                              "\nendstream\nendobj";
    replacements_.append({number, stream->generation, object});
    return true;
}

bool PdfFile::AppendUpdate() {
    QList<Replacement> replacements = replacements_;
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.number < b.number; });
    QByteArray update;
    if (const QByteArray last = ReadAt(size_ - 1, 1); last != "\n" && last != "\r") update += '\n';
    QList<qint64> offsets;
    for (const Replacement& r : replacements) {
        offsets << size_ + update.size();
        update += r.object + '\n';
    }
    const qint64 table = size_ + update.size();
    update += "xref\n";
    // One subsection per run of consecutive object numbers.
    for (qsizetype i = 0; i < replacements.size();) {
        qsizetype run = 1;
        while (i + run < replacements.size() && replacements[i + run].number == replacements[i].number + run)
            ++run;
        update += QByteArray::number(replacements[i].number) + ' ' + QByteArray::number(run) + '\n';
        for (qsizetype k = i; k < i + run; ++k)
            update += QByteArray::number(offsets[k]).rightJustified(10, '0') + ' ' +
                      QByteArray::number(replacements[k].generation).rightJustified(5, '0') + " n \n";
        i += run;
    }
    // The file's own trailer, pointing back to its table.
    update += "trailer\n<< /Prev " + QByteArray::number(tableOffset_) + trailer_.mid(2) + "\nstartxref\n" +
              QByteArray::number(table) + "\n%%EOF\n";
    return device_->seek(size_) && device_->write(update) == update.size();
}
