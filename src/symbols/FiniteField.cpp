#include "symbols/FiniteField.h"

FiniteField::FiniteField(int size, int polynomial, int generator)
    : size_(size), exp_(2 * size), log_(size) {
    int value = 1;
    for (int i = 0; i < size - 1; ++i) {
        exp_[i] = static_cast<uint16_t>(value);
        log_[value] = static_cast<uint16_t>(i);
        // value *= generator, carry-less, reduced by the polynomial.
        int product = 0;
        for (int bit = 1, a = value; bit < size; bit <<= 1, a <<= 1) {
            if (a >= size) a ^= polynomial;
            if (generator & bit) product ^= a;
        }
        value = product;
    }
    for (int i = size - 1; i < 2 * size; ++i) exp_[i] = exp_[i - (size - 1)];
}

int FiniteField::Multiply(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return exp_[log_[a] + log_[b]];
}

int FiniteField::Divide(int a, int b) const {
    if (a == 0) return 0;
    return exp_[log_[a] + (size_ - 1) - log_[b]];
}

int FiniteField::Exp(int power) const { return exp_[power % (size_ - 1)]; }
