#include "symbols/QrTables.h"

namespace {

// Error correction characteristics of ISO/IEC 18004, per version, levels L, M, Q, H.
constexpr unsigned char kEcCodewordsPerBlock[40][4] = {
    {7, 10, 13, 17},  {10, 16, 22, 28}, {15, 26, 18, 22}, {20, 18, 26, 16}, {26, 24, 18, 22},
    {18, 16, 24, 28}, {20, 18, 18, 26}, {24, 22, 22, 26}, {30, 22, 20, 24}, {18, 26, 24, 28},
    {20, 30, 28, 24}, {24, 22, 26, 28}, {26, 22, 24, 22}, {30, 24, 20, 24}, {22, 24, 30, 24},
    {24, 28, 24, 30}, {28, 28, 28, 28}, {30, 26, 28, 28}, {28, 26, 26, 26}, {28, 26, 30, 28},
    {28, 26, 28, 30}, {28, 28, 30, 24}, {30, 28, 30, 30}, {30, 28, 30, 30}, {26, 28, 30, 30},
    {28, 28, 28, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30},
    {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30},
    {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30}, {30, 28, 30, 30},
};

constexpr unsigned char kEcBlocks[40][4] = {
    {1, 1, 1, 1},     {1, 1, 1, 1},     {1, 1, 2, 2},     {1, 2, 2, 4},     {1, 2, 4, 4},
    {2, 4, 4, 4},     {2, 4, 6, 5},     {2, 4, 6, 6},     {2, 5, 8, 8},     {4, 5, 8, 8},
    {4, 5, 8, 11},    {4, 8, 10, 11},   {4, 9, 12, 16},   {4, 9, 16, 16},   {6, 10, 12, 18},
    {6, 10, 17, 16},  {6, 11, 16, 19},  {6, 13, 18, 21},  {7, 14, 21, 25},  {8, 16, 20, 25},
    {8, 17, 23, 25},  {9, 17, 23, 34},  {9, 18, 25, 30},  {10, 20, 27, 32}, {12, 21, 29, 35},
    {12, 23, 34, 37}, {12, 25, 34, 40}, {13, 26, 35, 42}, {14, 28, 38, 45}, {15, 29, 40, 48},
    {16, 31, 43, 51}, {17, 33, 45, 54}, {18, 35, 48, 57}, {19, 37, 51, 60}, {19, 38, 53, 63},
    {20, 40, 56, 66}, {21, 43, 59, 70}, {22, 45, 62, 74}, {24, 47, 65, 77}, {25, 49, 68, 81},
};

// Character-count widths per group, modes in QrMode order.
constexpr int kCountBits[3][4] = {{8, 10, 9, 8}, {16, 12, 11, 10}, {16, 14, 13, 12}};

int LevelIndex(QrLevel level) { return static_cast<int>(level) - 1; }

// Distance between neighbouring alignment centres, except the first pair.
int AlignmentStep(int version) {
    if (version <= 13) return 2 * version + 2;
    if (version <= 20) return 2 * ((2 * version + 4) / 3);
    if (version <= 27) return (version + 2) / 2 * 2;
    if (version <= 34) return 2 * (version / 3) + 6;
    return 2 * (version / 3) + 2;
}

}  // namespace

int QrVersionGroup(int version) { return version <= 9 ? 0 : version <= 26 ? 1 : 2; }

int QrFirstVersionOfGroup(int group) { return group == 0 ? 1 : group == 1 ? 10 : 27; }

int QrLastVersionOfGroup(int group) { return group == 0 ? 9 : group == 1 ? 26 : 40; }

int QrCountBits(QrMode mode, int group) { return kCountBits[group][static_cast<int>(mode)]; }

int QrEcBlocks(int version, QrLevel level) { return kEcBlocks[version - 1][LevelIndex(level)]; }

int QrEcCodewordsPerBlock(int version, QrLevel level) {
    return kEcCodewordsPerBlock[version - 1][LevelIndex(level)];
}

int QrRawDataModules(int version) {
    int modules = (16 * version + 128) * version + 64;
    if (version >= 2) {
        const int a = version / 7 + 2;
        modules -= (25 * a - 10) * a - 55;
        if (version >= 7) modules -= 36;
    }
    return modules;
}

int QrTotalCodewords(int version) { return QrRawDataModules(version) / 8; }

int QrDataCodewords(int version, QrLevel level) {
    return QrTotalCodewords(version) - QrEcBlocks(version, level) * QrEcCodewordsPerBlock(version, level);
}

std::vector<int> QrAlignmentPositions(int version) {
    if (version < 2) return {};
    const int count = version / 7 + 2;
    // Version 2 to 6 have just the two ends; the step only matters from version 7.
    const int step = AlignmentStep(version);
    std::vector<int> positions(count);
    positions[0] = 6;
    for (int i = count - 1, at = QrSize(version) - 7; i >= 1; --i, at -= step) positions[i] = at;
    return positions;
}
