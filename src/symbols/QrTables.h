#pragma once
// Structure figures of QR code Model 2 symbols, versions 1 to 40.
#include <vector>

// Error-correction levels, numbered as the drawing path passes them.
enum class QrLevel { L = 1, M = 2, Q = 3, H = 4 };

// Segment modes in the order the segmentation prefers them on equal cost.
enum class QrMode { Byte = 0, Numeric = 1, Alphanumeric = 2, Kanji = 3 };

inline constexpr int kQrMinVersion = 1;
inline constexpr int kQrMaxVersion = 40;

inline int QrSize(int version) { return 17 + 4 * version; }

// Versions 1-9, 10-26 and 27-40 share their character-count widths.
int QrVersionGroup(int version);          // 0, 1 or 2
int QrFirstVersionOfGroup(int group);
int QrLastVersionOfGroup(int group);
int QrCountBits(QrMode mode, int group);
inline int QrCountLimit(QrMode mode, int group) { return (1 << QrCountBits(mode, group)) - 1; }

int QrEcBlocks(int version, QrLevel level);
int QrEcCodewordsPerBlock(int version, QrLevel level);

// Modules left for codewords once the function patterns are placed.
int QrRawDataModules(int version);
int QrTotalCodewords(int version);
int QrDataCodewords(int version, QrLevel level);

// Centre coordinates of the alignment patterns along one axis (empty for version 1).
std::vector<int> QrAlignmentPositions(int version);
