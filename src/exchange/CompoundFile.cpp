#include "exchange/CompoundFile.h"

#include <QList>
#include <QtEndian>
#include <vector>

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr int kHeaderSize = 512;
constexpr int kHeaderFatEntries = 109;
constexpr int kDirectoryEntrySize = 128;
constexpr quint8 kRootEntry = 5;
const QByteArray kSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

class Container {
public:
    explicit Container(const QByteArray& file) : file_(file) {}

    bool ReadHeader() {
        if (file_.size() < kHeaderSize || !file_.startsWith(kSignature)) return false;
        const int shift = U16(0x1E);
        miniShift_ = U16(0x20);
        if ((shift != 9 && shift != 12) || miniShift_ != 6) return false;
        sectorSize_ = 1 << shift;
        return ReadFat();
    }

    // A chain of regular sectors from `start`; nullopt on a loop or a sector outside
    // the file. No chain is longer than the file has sectors, so a damaged table
    // cannot make it grow beyond the file's own size.
    std::optional<QByteArray> Chain(quint32 start) const {
        const quint32 sectors =
            quint32(qBound<qint64>(0, file_.size() / sectorSize_ - 1, fat_.size()));
        std::vector<bool> visited(sectors, false);
        QByteArray data;
        for (quint32 sector = start; sector != kEndOfChain; sector = fat_[sector]) {
            if (sector >= sectors || visited[sector]) return std::nullopt;
            visited[sector] = true;
            data.append(file_.constData() + (qint64(sector) + 1) * sectorSize_, sectorSize_);
        }
        return data;
    }

    std::optional<QByteArray> Stream(const QString& name) const {
        const std::optional<QByteArray> directory = Chain(U32(0x30));
        if (!directory || directory->size() < kDirectoryEntrySize) return std::nullopt;
        const char* root = directory->constData();
        for (qsizetype at = 0; at + kDirectoryEntrySize <= directory->size(); at += kDirectoryEntrySize) {
            const char* entry = directory->constData() + at;
            const int nameBytes = qMin<int>(qFromLittleEndian<quint16>(entry + 0x40), 64);
            const QString entryName = QString::fromUtf16(reinterpret_cast<const char16_t*>(entry),
                                                         qMax(0, nameBytes / 2 - 1));
            if (entry[0x42] == char(kRootEntry) || entryName.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            const quint32 start = qFromLittleEndian<quint32>(entry + 0x74);
            const quint32 size = qFromLittleEndian<quint32>(entry + 0x78);
            std::optional<QByteArray> data =
                size < U32(0x38) ? MiniChain(start, root) : Chain(start);
            if (!data || data->size() < qint64(size)) return std::nullopt;
            data->truncate(size);
            return data;
        }
        return std::nullopt;
    }

private:
    quint16 U16(int at) const { return qFromLittleEndian<quint16>(file_.constData() + at); }
    quint32 U32(int at) const { return qFromLittleEndian<quint32>(file_.constData() + at); }

    bool ReadFat() {
        QList<quint32> fatSectors;
        const quint32 fatCount = U32(0x2C);
        if (qint64(fatCount) * sectorSize_ > file_.size()) return false;
        for (int i = 0; i < kHeaderFatEntries; ++i) fatSectors << U32(0x4C + 4 * i);
        // Further FAT sector numbers live in a chain of DIFAT sectors.
        const int perSector = sectorSize_ / 4 - 1;
        quint32 difat = U32(0x44);
        for (quint32 n = 0; n < U32(0x48) && fatSectors.size() < qsizetype(fatCount); ++n) {
            const qint64 offset = (qint64(difat) + 1) * sectorSize_;
            if (offset + sectorSize_ > file_.size()) return false;
            for (int i = 0; i < perSector; ++i)
                fatSectors << qFromLittleEndian<quint32>(file_.constData() + offset + 4 * i);
            difat = qFromLittleEndian<quint32>(file_.constData() + offset + 4 * perSector);
        }
        if (fatCount > quint32(fatSectors.size())) return false;
        for (quint32 i = 0; i < fatCount; ++i) {
            const qint64 offset = (qint64(fatSectors[i]) + 1) * sectorSize_;
            if (offset + sectorSize_ > file_.size()) return false;
            for (int j = 0; j < sectorSize_ / 4; ++j)
                fat_ << qFromLittleEndian<quint32>(file_.constData() + offset + 4 * j);
        }
        return true;
    }

    // A chain of 64-byte mini sectors inside the root entry's mini stream.
    std::optional<QByteArray> MiniChain(quint32 start, const char* root) const {
        const std::optional<QByteArray> miniFatBytes = Chain(U32(0x3C));
        const std::optional<QByteArray> miniStream = Chain(qFromLittleEndian<quint32>(root + 0x74));
        if (!miniFatBytes || !miniStream) return std::nullopt;
        const quint32 entries = quint32(miniFatBytes->size() / 4);
        const int miniSize = 1 << miniShift_;
        const quint32 sectors = qMin(entries, quint32(miniStream->size() / miniSize));
        std::vector<bool> visited(sectors, false);
        QByteArray data;
        for (quint32 sector = start; sector != kEndOfChain;
             sector = qFromLittleEndian<quint32>(miniFatBytes->constData() + 4 * sector)) {
            if (sector >= sectors || visited[sector]) return std::nullopt;
            visited[sector] = true;
            data.append(miniStream->constData() + qint64(sector) * miniSize, miniSize);
        }
        return data;
    }

    const QByteArray& file_;
    int sectorSize_ = 512;
    int miniShift_ = 6;
    QList<quint32> fat_;
};

} // namespace

std::optional<QByteArray> ReadCompoundStream(const QByteArray& file, const QString& name) {
    Container container(file);
    if (!container.ReadHeader()) return std::nullopt;
    return container.Stream(name);
}
