#pragma once
// Bits appended most significant first into bytes.
#include <cstdint>
#include <vector>

class BitWriter {
public:
    explicit BitWriter(int capacityBytes = 0) { bytes_.reserve(capacityBytes); }

    // Appends the low `count` bits of `value` (count <= 24), a byte's free bits at a time.
    void Append(uint32_t value, int count) {
        while (count > 0) {
            const int used = bitCount_ & 7;
            if (used == 0) bytes_.push_back(0);
            const int take = count < 8 - used ? count : 8 - used;
            const uint32_t chunk = (value >> (count - take)) & ((1u << take) - 1);
            bytes_.back() |= static_cast<uint8_t>(chunk << (8 - used - take));
            bitCount_ += take;
            count -= take;
        }
    }
    void AppendByte(uint8_t value) { Append(value, 8); }

    int BitCount() const { return bitCount_; }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int bitCount_ = 0;
};
