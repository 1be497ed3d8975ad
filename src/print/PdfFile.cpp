#include "print/PdfFile.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <zlib.h>

namespace {

// Inflated streams larger than this are not ours to rewrite.
constexpr qsizetype kMaxInflated = 64 * 1024 * 1024;

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
    void MoveTo(qint64 position) { position_ = position; }

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

std::optional<PdfFile> PdfFile::Parse(const QByteArray& bytes) {
    PdfFile file;
    file.bytes_ = bytes;
    const qsizetype startxref = bytes.lastIndexOf("startxref");
    if (startxref < 0) return std::nullopt;
    Cursor end(bytes, startxref + 9);
    const std::optional<qint64> tableOffset = end.Integer();
    if (!tableOffset || *tableOffset >= startxref) return std::nullopt;
    file.tableOffset_ = *tableOffset;

    Cursor table(bytes, *tableOffset);
    if (!table.Keyword("xref")) return std::nullopt; // a cross-reference stream
    while (!table.Peek("trailer")) {
        const std::optional<qint64> first = table.Integer(), count = table.Integer();
        if (!first || !count || *count > 8'000'000) return std::nullopt;
        QList<Entry> section;
        for (qint64 i = 0; i < *count; ++i) {
            const std::optional<qint64> offset = table.Integer(), generation = table.Integer();
            const bool inUse = table.Keyword("n");
            if (!offset || !generation || (!inUse && !table.Keyword("f"))) return std::nullopt;
            section.append({int(*first + i), *offset, int(*generation), inUse});
        }
        file.sections_.append(section);
    }
    file.trailer_ = bytes.mid(table.Position(), startxref - table.Position()).trimmed();
    // Appended updates would keep older tables alive; leave such files alone.
    if (file.trailer_.contains("/Prev")) return std::nullopt;
    return file;
}

QList<int> PdfFile::ReferencedObjects(const char* key) const {
    const QRegularExpression reference(QRegularExpression::escape(QString::fromLatin1(key)) +
                                       QStringLiteral(R"(\s+(\d+)\s+(\d+)\s+R)"));
    QList<int> numbers;
    QSet<int> seen;
    for (auto it = reference.globalMatch(QString::fromLatin1(bytes_.left(tableOffset_))); it.hasNext();) {
        const int number = it.next().captured(1).toInt();
        if (!seen.contains(number)) numbers.append(number);
        seen.insert(number);
    }
    return numbers;
}

const PdfFile::Entry* PdfFile::EntryOf(int number) const {
    for (const QList<Entry>& section : sections_) {
        if (section.isEmpty() || number < section.first().number || number > section.last().number)
            continue;
        const Entry& entry = section[number - section.first().number];
        return entry.inUse ? &entry : nullptr;
    }
    return nullptr;
}

std::optional<qint64> PdfFile::IndirectInteger(int number) const {
    const Entry* entry = EntryOf(number);
    if (!entry) return std::nullopt;
    Cursor cursor(bytes_, entry->offset);
    if (cursor.Integer() != number || !cursor.Integer() || !cursor.Keyword("obj")) return std::nullopt;
    return cursor.Integer();
}

std::optional<PdfFile::Stream> PdfFile::FindStream(int number) const {
    const Entry* entry = EntryOf(number);
    if (!entry || entry->offset >= tableOffset_) return std::nullopt;
    Cursor cursor(bytes_, entry->offset);
    if (cursor.Integer() != number || cursor.Integer() != entry->generation || !cursor.Keyword("obj"))
        return std::nullopt;
    Stream stream;
    stream.start = entry->offset;
    stream.generation = entry->generation;
    const std::optional<QByteArray> dictionary = cursor.Dictionary();
    if (!dictionary || !cursor.Keyword("stream") || !cursor.StreamLineEnd()) return std::nullopt;
    stream.dictionary = *dictionary;
    stream.dataStart = cursor.Position();

    static const QRegularExpression kLength(QStringLiteral(R"(/Length\s+(\d+)(\s+(\d+)\s+R)?)"));
    const QRegularExpressionMatch length = kLength.match(QString::fromLatin1(stream.dictionary));
    if (!length.hasMatch()) return std::nullopt;
    const std::optional<qint64> dataLength = length.capturedLength(2) > 0
                                                 ? IndirectInteger(length.captured(1).toInt())
                                                 : std::optional<qint64>(length.captured(1).toLongLong());
    if (!dataLength || stream.dataStart + *dataLength > tableOffset_) return std::nullopt;
    stream.dataLength = *dataLength;
    cursor.MoveTo(stream.dataStart + stream.dataLength);
    if (!cursor.Keyword("endstream") || !cursor.Keyword("endobj")) return std::nullopt;
    stream.end = cursor.Position();
    return stream;
}

std::optional<QByteArray> PdfFile::StreamData(int number) const {
    const std::optional<Stream> stream = FindStream(number);
    if (!stream) return std::nullopt;
    const QByteArray data = bytes_.mid(stream->dataStart, stream->dataLength);
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
        if (r.start == stream->start) return false;
    const QByteArray object = QByteArray::number(number) + ' ' + QByteArray::number(stream->generation) +
                              " obj\n<< /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data +
                              "\nendstream\nendobj";
    replacements_.append({stream->start, stream->end, object});
    return true;
}

QByteArray PdfFile::Bytes() const {
    QList<Replacement> replacements = replacements_;
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.start < b.start; });
    QByteArray out;
    out.reserve(bytes_.size() + 4096);
    qint64 copied = 0;
    for (const Replacement& r : replacements) {
        out += bytes_.mid(copied, r.start - copied) + r.bytes;
        copied = r.end;
    }
    out += bytes_.mid(copied, tableOffset_ - copied);

    // Every object after a replacement moves by what the replacements before it added.
    const auto moved = [&](qint64 offset) {
        qint64 shift = 0;
        for (const Replacement& r : replacements)
            if (r.start < offset) shift += r.bytes.size() - (r.end - r.start);
        return offset + shift;
    };
    const qint64 table = out.size();
    out += "xref\n";
    for (const QList<Entry>& section : sections_) {
        out += QByteArray::number(section.isEmpty() ? 0 : section.first().number) + ' ' +
               QByteArray::number(section.size()) + '\n';
        for (const Entry& entry : section) {
            const qint64 offset = entry.inUse ? moved(entry.offset) : entry.offset;
            out += QByteArray::number(offset).rightJustified(10, '0') + ' ' +
                   QByteArray::number(entry.generation).rightJustified(5, '0') +
                   (entry.inUse ? " n \n" : " f \n");
        }
    }
    out += trailer_ + "\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return out;
}
