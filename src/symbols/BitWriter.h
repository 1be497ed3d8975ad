#pragma once
// Bits appended most significant first into bytes.
#include <cstdint>
#include <vector>

class BitWriter {
public:
    explicit BitWriter(int capacityBytes = 0) { bytes_.reserve(capacityBytes); }

    // Appends the low `count` bits of `value` (count <= 24).
    void Append(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            if ((bitCount_ & 7) == 0) bytes_.push_back(0);
            bytes_.back() |= static_cast<uint8_t>(((value >> i) & 1u) << (7 - (bitCount_ & 7)));
            ++bitCount_;
        }
    }
    void AppendByte(uint8_t value) {
        if ((bitCount_ & 7) == 0) {
            bytes_.push_back(value);
            bitCount_ += 8;
        } else {
            Append(value, 8);
        }
    }

    int BitCount() const { return bitCount_; }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int bitCount_ = 0;
};
