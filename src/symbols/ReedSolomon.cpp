#include "symbols/ReedSolomon.h"

#include "symbols/FiniteField.h"

#include <algorithm>

ReedSolomon::ReedSolomon(const FiniteField& field) : field_(field) {}

const std::vector<uint8_t>& ReedSolomon::Generator(int degree) {
    if (static_cast<int>(generators_.size()) <= degree) generators_.resize(degree + 1);
    std::vector<uint8_t>& generator = generators_[degree];
    if (!generator.empty() || degree == 0) return generator;

    // Full coefficients, highest power first, starting from the polynomial 1.
    std::vector<int> poly{1};
    for (int i = 0; i < degree; ++i) {
        const int root = field_.Exp(i);
        poly.push_back(0);
        for (size_t k = poly.size() - 1; k > 0; --k)
            poly[k] = field_.Add(poly[k], field_.Multiply(poly[k - 1], root));
    }
    generator.assign(poly.begin() + 1, poly.end());
    if (static_cast<int>(generatorLogs_.size()) <= degree) generatorLogs_.resize(degree + 1);
    for (uint8_t coefficient : generator) generatorLogs_[degree].push_back(coefficient ? field_.Log(coefficient) : -1);
    return generator;
}

void ReedSolomon::Remainder(const uint8_t* data, int dataCount, int ecCount, uint8_t* out) {
    Generator(ecCount);
    const std::vector<int>& generatorLogs = generatorLogs_[ecCount];
    std::fill(out, out + ecCount, uint8_t{0});
    // Shift register division: out holds the running remainder.
    for (int i = 0; i < dataCount; ++i) {
        const int factor = data[i] ^ out[0];
        std::copy(out + 1, out + ecCount, out);
        out[ecCount - 1] = 0;
        if (factor == 0) continue;
        const int logFactor = field_.Log(factor);
        for (int k = 0; k < ecCount; ++k) {
            if (generatorLogs[k] >= 0) out[k] ^= static_cast<uint8_t>(field_.ExpOfLogSum(logFactor, generatorLogs[k]));
        }
    }
}
