#pragma once
// Arithmetic in a finite field GF(2^m) by exponent and logarithm tables.
#include <cstdint>
#include <vector>

class FiniteField {
public:
    // `size` is 2^m, `polynomial` the primitive polynomial (including the x^m term),
    // `generator` a primitive element. QR codes use (256, 0x11D, 2).
    FiniteField(int size, int polynomial, int generator);

    int Size() const { return size_; }
    int Add(int a, int b) const { return a ^ b; }
    int Multiply(int a, int b) const;
    int Divide(int a, int b) const;  // b must not be 0
    int Exp(int power) const;        // generator^power, any power >= 0
    int Log(int a) const { return log_[a]; }  // a must not be 0
    // generator^(a + b) for logarithms a and b: the product of the numbers they stand for.
    int ExpOfLogSum(int a, int b) const { return exp_[a + b]; }

private:
    int size_;
    // exp_ holds two periods so that a sum of two logarithms needs no modulo.
    std::vector<uint16_t> exp_;
    std::vector<uint16_t> log_;
};
