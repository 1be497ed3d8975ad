#include "symbols/QrMatrix.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Remainder of `value` divided by `generator` (of degree `checkBits`) over GF(2).
int BchRemainder(int value, int generator, int checkBits) {
    for (int top = 30; top >= checkBits; --top)
        if ((value >> top) & 1) value ^= generator << (top - checkBits);
    return value;
}

constexpr int kFormatGenerator = 0x537;   // BCH(15,5)
constexpr int kFormatXorMask = 0x5412;
constexpr int kVersionGenerator = 0x1F25;  // BCH(18,6)

// Mask patterns of ISO/IEC 18004 by column x and row y.
template <int kMask>
bool MaskHolds(int x, int y) {
    if constexpr (kMask == 0) return (x + y) % 2 == 0;
    if constexpr (kMask == 1) return y % 2 == 0;
    if constexpr (kMask == 2) return x % 3 == 0;
    if constexpr (kMask == 3) return (x + y) % 3 == 0;
    if constexpr (kMask == 4) return (y / 2 + x / 3) % 2 == 0;
    if constexpr (kMask == 5) return (x * y) % 2 + (x * y) % 3 == 0;
    if constexpr (kMask == 6) return ((x * y) % 2 + (x * y) % 3) % 2 == 0;
    if constexpr (kMask == 7) return ((x + y) % 2 + (x * y) % 3) % 2 == 0;
}

template <int kMask>
void Invert(int size, const std::vector<uint8_t>& function, std::vector<uint8_t>& modules) {
    for (int y = 0, i = 0; y < size; ++y)
        for (int x = 0; x < size; ++x, ++i)
            modules[i] ^= static_cast<uint8_t>(!function[i] && MaskHolds<kMask>(x, y));
}

}  // namespace

QrMatrix::QrMatrix(int version)
    : version_(version), size_(QrSize(version)), modules_(size_ * size_), function_(size_ * size_) {
    DrawFunctionPatterns();
}

void QrMatrix::SetFunction(int x, int y, bool dark) {
    modules_[Index(x, y)] = dark ? 1 : 0;
    function_[Index(x, y)] = 1;
}

void QrMatrix::DrawFinder(int centreX, int centreY) {
    // 7x7 rings of 3x3 dark, light, dark, plus the light separator around them.
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const int x = centreX + dx;
            const int y = centreY + dy;
            if (x < 0 || y < 0 || x >= size_ || y >= size_) continue;
            const int ring = std::max(std::abs(dx), std::abs(dy));
            SetFunction(x, y, ring != 2 && ring != 4);
        }
    }
}

void QrMatrix::DrawAlignment(int centreX, int centreY) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            SetFunction(centreX + dx, centreY + dy, std::max(std::abs(dx), std::abs(dy)) != 1);
}

void QrMatrix::DrawFunctionPatterns() {
    for (int i = 0; i < size_; ++i) {
        SetFunction(6, i, i % 2 == 0);
        SetFunction(i, 6, i % 2 == 0);
    }
    DrawFinder(3, 3);
    DrawFinder(size_ - 4, 3);
    DrawFinder(3, size_ - 4);

    const std::vector<int> centres = QrAlignmentPositions(version_);
    const int last = static_cast<int>(centres.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        for (int j = 0; j <= last; ++j) {
            // The three corners that hold finder patterns get none.
            if ((i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0)) continue;
            DrawAlignment(centres[i], centres[j]);
        }
    }
    DrawFormatInformation(QrLevel::L, 0);  // reserves the areas; rewritten after masking
    DrawVersionInformation();
}

void QrMatrix::DrawFormatInformation(QrLevel level, int mask) {
    const int data = ((static_cast<int>(level) - 1) ^ 1) << 3 | mask;
    const int bits = (data << 10 | BchRemainder(data << 10, kFormatGenerator, 10)) ^ kFormatXorMask;
    auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };

    // Around the top-left finder: bits 0-7 down column 8, bits 8-14 leftwards on row 8,
    // stepping over the timing pattern.
    for (int i = 0; i <= 5; ++i) SetFunction(8, i, bit(i));
    SetFunction(8, 7, bit(6));
    SetFunction(8, 8, bit(7));
    SetFunction(7, 8, bit(8));
    for (int i = 9; i < 15; ++i) SetFunction(14 - i, 8, bit(i));

    // The copy split between the other two finders.
    for (int i = 0; i < 8; ++i) SetFunction(size_ - 1 - i, 8, bit(i));
    for (int i = 8; i < 15; ++i) SetFunction(8, size_ - 15 + i, bit(i));
    SetFunction(8, size_ - 8, true);  // the dark module
}

void QrMatrix::DrawVersionInformation() {
    if (version_ < 7) return;
    const int bits = version_ << 12 | BchRemainder(version_ << 12, kVersionGenerator, 12);
    for (int i = 0; i < 18; ++i) {
        const bool dark = ((bits >> i) & 1) != 0;
        const int a = size_ - 11 + i % 3;
        const int b = i / 3;
        SetFunction(a, b, dark);
        SetFunction(b, a, dark);
    }
}

void QrMatrix::PlaceCodewords(const std::vector<uint8_t>& codewords) {
    const size_t bitCount = codewords.size() * 8;
    size_t bit = 0;
    for (int right = size_ - 1; right >= 1; right -= 2) {
        if (right == 6) right = 5;  // the vertical timing pattern is skipped whole
        const bool upward = ((right + 1) & 2) == 0;
        for (int step = 0; step < size_; ++step) {
            const int y = upward ? size_ - 1 - step : step;
            for (int x = right; x >= right - 1; --x) {
                if (function_[Index(x, y)]) continue;
                // Modules past the last codeword are remainder bits and stay light.
                if (bit < bitCount) modules_[Index(x, y)] = (codewords[bit >> 3] >> (7 - (bit & 7))) & 1;
                ++bit;
            }
        }
    }
}

void QrMatrix::ApplyMask(int mask) {
    // One loop per pattern, so that the test inside is not a switch per module.
    using Inverter = void (*)(int, const std::vector<uint8_t>&, std::vector<uint8_t>&);
    static constexpr Inverter kInverters[8] = {Invert<0>, Invert<1>, Invert<2>, Invert<3>,
                                               Invert<4>, Invert<5>, Invert<6>, Invert<7>};
    kInverters[mask & 7](size_, function_, modules_);
}
