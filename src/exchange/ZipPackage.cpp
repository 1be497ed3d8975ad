#include "exchange/ZipPackage.h"

#include <QFile>
#include <zip.h>

namespace {
constexpr qint64 kPieceBytes = 256 * 1024;
} // namespace

ZipPackage::ZipPackage(zip* archive, QByteArray bytes)
    : archive_(archive), bytes_(std::move(bytes)) {}

ZipPackage::~ZipPackage() { zip_discard(archive_); }

std::unique_ptr<ZipPackage> ZipPackage::OpenFile(const QString& path) {
    int error = 0;
    zip* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive) return nullptr;
    return std::unique_ptr<ZipPackage>(new ZipPackage(archive));
}

std::unique_ptr<ZipPackage> ZipPackage::OpenBytes(const QByteArray& bytes) {
    // The archive reads from its own copy, which lives as long as it does.
    QByteArray copy(bytes.constData(), bytes.size());
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(copy.constData(), zip_uint64_t(copy.size()), 0, &error);
    zip* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive && source) zip_source_free(source);
    zip_error_fini(&error);
    if (!archive) return nullptr;
    return std::unique_ptr<ZipPackage>(new ZipPackage(archive, std::move(copy)));
}

bool ZipPackage::Contains(const QString& name) const {
    return zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0;
}

std::unique_ptr<ZipPackage::Part> ZipPackage::OpenPart(const QString& name, qint64 limit,
                                                       bool* tooLarge) const {
    if (tooLarge) *tooLarge = false;
    const zip_int64_t index = zip_name_locate(archive_, name.toUtf8().constData(), 0);
    if (index < 0) return nullptr;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(limit)) {
        if (tooLarge) *tooLarge = true;
        return nullptr;
    }
    zip_file_t* file = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!file) return nullptr;
    return std::unique_ptr<Part>(new Part(file, limit));
}

ZipPackage::Part::~Part() { zip_fclose(static_cast<zip_file_t*>(file_)); }

bool ZipPackage::Part::Read(QByteArray& piece) {
    if (failed_) return false;
    piece.resize(kPieceBytes);
    const zip_int64_t got = zip_fread(static_cast<zip_file_t*>(file_), piece.data(), kPieceBytes);
    if (got < 0) {
        failed_ = true;
        return false;
    }
    piece.resize(got);
    read_ += got;
    if (read_ > limit_) {
        failed_ = tooLarge_ = true;
        return false;
    }
    return got > 0;
}
