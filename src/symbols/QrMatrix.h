#pragma once
// The module grid of one QR symbol: function patterns, codeword placement, masking,
// format and version information.
#include "symbols/QrTables.h"

#include <cstdint>
#include <utility>
#include <vector>

class QrMatrix {
public:
    explicit QrMatrix(int version);

    int Size() const { return size_; }
    bool Dark(int x, int y) const { return modules_[Index(x, y)] != 0; }
    std::vector<uint8_t> TakeModules() { return std::move(modules_); }

    // Places the codeword bits in the two-column zigzag from the bottom right corner.
    void PlaceCodewords(const std::vector<uint8_t>& codewords);
    // Inverts the data modules where mask pattern `mask` (0-7) holds.
    void ApplyMask(int mask);
    void DrawFormatInformation(QrLevel level, int mask);

private:
    int Index(int x, int y) const { return y * size_ + x; }
    void SetFunction(int x, int y, bool dark);
    void DrawFunctionPatterns();
    void DrawFinder(int centreX, int centreY);
    void DrawAlignment(int centreX, int centreY);
    void DrawVersionInformation();

    int version_;
    int size_;
    std::vector<uint8_t> modules_;   // row-major, 1 = dark
    std::vector<uint8_t> function_;  // 1 where a function pattern lies
};
