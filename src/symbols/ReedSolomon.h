#pragma once
// Reed–Solomon error-correction codewords over a finite field, as QR codes use them.
#include <cstdint>
#include <vector>

class FiniteField;

class ReedSolomon {
public:
    explicit ReedSolomon(const FiniteField& field);

    // The generator polynomial of degree `degree`, the product of (x - g^i) for
    // i = 0 .. degree-1, coefficients from the highest power down, leading 1 left out.
    const std::vector<uint8_t>& Generator(int degree);

    // Writes the `ecCount` codewords that are the remainder of data(x) * x^ecCount
    // divided by the generator polynomial.
    void Remainder(const uint8_t* data, int dataCount, int ecCount, uint8_t* out);

private:
    const FiniteField& field_;
    std::vector<std::vector<uint8_t>> generators_;  // by degree, built on first use
    std::vector<std::vector<int>> generatorLogs_;   // their logarithms, -1 for a zero coefficient
};
