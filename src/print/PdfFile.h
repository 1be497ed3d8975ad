#pragma once
// A PDF file written in one piece, as Qt's PDF writer makes them: one cross-reference
// table and no appended updates. Stream objects are found through the table and may
// be replaced; the file is then written back with every offset in the table moved
// along, so readers that trust the table find each object where it says.
#include <QByteArray>
#include <QList>
#include <optional>

class PdfFile {
public:
    // nullopt when the bytes are not such a file (no table, a cross-reference stream,
    // appended updates).
    static std::optional<PdfFile> Parse(const QByteArray& bytes);

    // The numbers of the objects the file refers to under `key` ("/ToUnicode").
    QList<int> ReferencedObjects(const char* key) const;

    // The data of stream object `number`, inflated when Flate-compressed; nullopt when
    // there is no such stream or it needs another filter.
    std::optional<QByteArray> StreamData(int number) const;
    // Replaces stream object `number` by one that holds `data` uncompressed.
    bool ReplaceStream(int number, const QByteArray& data);

    bool Changed() const { return !replacements_.isEmpty(); }
    // The file with its replacements and a cross-reference table that matches.
    QByteArray Bytes() const;

private:
    struct Entry {
        int number;
        qint64 offset;
        int generation;
        bool inUse;
    };
    struct Stream {
        qint64 start, end; // the whole object, "n g obj" to "endobj"
        qint64 dataStart, dataLength;
        QByteArray dictionary;
        int generation;
    };
    struct Replacement {
        qint64 start, end;
        QByteArray bytes;
    };

    std::optional<Stream> FindStream(int number) const;
    const Entry* EntryOf(int number) const;
    std::optional<qint64> IndirectInteger(int number) const;

    QByteArray bytes_;
    qint64 tableOffset_ = 0;
    QList<QList<Entry>> sections_; // consecutive numbers each
    QByteArray trailer_;           // "trailer << ... >>", as written
    QList<Replacement> replacements_;
};
