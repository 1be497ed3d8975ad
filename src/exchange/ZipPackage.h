#pragma once
// Reading the parts of a zip package (an .xlsx workbook) with a cap on how much any
// part may unpack to, so a small file that inflates to gigabytes is refused.
#include <QByteArray>
#include <QString>
#include <memory>

struct zip;

class ZipPackage {
public:
    // nullptr when the bytes or file are not a readable zip archive.
    static std::unique_ptr<ZipPackage> OpenFile(const QString& path);
    static std::unique_ptr<ZipPackage> OpenBytes(const QByteArray& bytes);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool Contains(const QString& name) const;

    // One part read piece by piece.
    class Part {
    public:
        ~Part();
        Part(const Part&) = delete;
        Part& operator=(const Part&) = delete;
        // The next piece; false at the end or on an error (see Failed, TooLarge).
        bool Read(QByteArray& piece);
        bool Failed() const { return failed_; }
        bool TooLarge() const { return tooLarge_; }

    private:
        friend class ZipPackage;
        Part(void* file, qint64 limit) : file_(file), limit_(limit) {}
        void* file_;
        qint64 limit_;
        qint64 read_ = 0;
        bool failed_ = false;
        bool tooLarge_ = false;
    };
    // nullptr when the part is missing. Reading more than `limit` bytes fails with
    // TooLarge; a part that declares more is refused at once.
    std::unique_ptr<Part> OpenPart(const QString& name, qint64 limit, bool* tooLarge) const;

private:
    explicit ZipPackage(zip* archive, QByteArray bytes = {});
    zip* archive_;
    QByteArray bytes_; // the buffer an in-memory archive reads from
};
