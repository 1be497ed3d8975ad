#pragma once
// A PDF file written in one piece, as Qt's PDF writer makes them: one cross-reference
// table and no appended updates. Stream objects are found through the table and may
// be replaced; the replacements are then appended to the file as an incremental
// update (the new objects, a cross-reference section for them and a trailer that
// points back to the file's own table), so the file is never read or rewritten whole
// and memory does not grow with its size.
#include <QByteArray>
#include <QList>
#include <optional>

class QIODevice;

class PdfFile {
public:
    // Reads the table's layout and the trailer of the file open in `device`, which
    // must allow seeking (and writing, for AppendUpdate). nullopt when it is not such
    // a file (no table, a cross-reference stream, appended updates).
    static std::optional<PdfFile> Open(QIODevice& device);

    // The numbers of the objects the file refers to under `key` ("/ToUnicode"), read
    // through the file once in pieces.
    QList<int> ReferencedObjects(const char* key) const;

    // The data of stream object `number`, inflated when Flate-compressed; nullopt when
    // there is no such stream or it needs another filter.
    std::optional<QByteArray> StreamData(int number) const;
    // Replaces stream object `number` by one that holds `data` uncompressed.
    bool ReplaceStream(int number, const QByteArray& data);

    bool Changed() const { return !replacements_.isEmpty(); }
    // Appends the replacements as an incremental update; false when the device did not
    // take every byte (the caller then cuts the file back to its old size).
    bool AppendUpdate();
    // The file's size before any update.
    qint64 OriginalSize() const { return size_; }

private:
    explicit PdfFile(QIODevice& device) : device_(&device) {}

    struct Entry {
        qint64 offset;
        int generation;
    };
    struct Section {
        int first, count;
        qint64 start; // of its first 20-byte entry
    };
    struct Stream {
        qint64 dataStart, dataLength;
        QByteArray dictionary;
        int generation;
    };
    struct Replacement {
        int number;
        int generation;
        QByteArray object; // "n g obj ... endobj"
    };

    QByteArray ReadAt(qint64 position, qint64 length) const;
    std::optional<Entry> EntryOf(int number) const;
    std::optional<qint64> IndirectInteger(int number) const;
    std::optional<Stream> FindStream(int number) const;

    QIODevice* device_;
    qint64 size_ = 0;
    qint64 tableOffset_ = 0;
    QList<Section> sections_;
    QByteArray trailer_; // its dictionary "<< ... >>", as written
    QList<Replacement> replacements_;
};
