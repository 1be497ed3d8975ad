#include "aids/DecimalArithmetic.h"

#include <algorithm>
#include <vector>

namespace {

// A magnitude as base-10 digits, least significant first, with `scale` of them
// after the point.
struct Scaled {
    std::vector<int> digits;
    int scale = 0;
};

Scaled ToScaled(const Decimal& value) {
    Scaled s;
    const QString all = value.intDigits + value.fracDigits;
    s.digits.reserve(all.size());
    for (qsizetype i = all.size() - 1; i >= 0; --i) s.digits.push_back(all[i].unicode() - u'0');
    s.scale = int(value.fracDigits.size());
    return s;
}

void Rescale(Scaled& s, int scale) {
    if (scale > s.scale) s.digits.insert(s.digits.begin(), size_t(scale - s.scale), 0);
    s.scale = scale;
}

void Trim(std::vector<int>& digits) {
    while (!digits.empty() && digits.back() == 0) digits.pop_back();
}

Decimal FromScaled(Scaled s, bool negative) {
    Trim(s.digits);
    Decimal d;
    for (int i = int(s.digits.size()) - 1; i >= 0; --i) {
        const QChar c(u'0' + s.digits[size_t(i)]);
        (i >= s.scale ? d.intDigits : d.fracDigits) += c;
    }
    // Fraction digits missing above the first stored one are zeros.
    if (int(s.digits.size()) < s.scale)
        d.fracDigits.prepend(QString(s.scale - int(s.digits.size()), u'0'));
    while (d.fracDigits.endsWith(u'0')) d.fracDigits.chop(1);
    d.negative = negative && !d.IsZero();
    return d;
}

int Compare(const std::vector<int>& a, const std::vector<int>& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    return 0;
}

std::vector<int> AddMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> sum(std::max(a.size(), b.size()) + 1, 0);
    int carry = 0;
    for (size_t i = 0; i < sum.size(); ++i) {
        const int d = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0) + carry;
        sum[i] = d % 10;
        carry = d / 10;
    }
    Trim(sum);
    return sum;
}

// a - b with a >= b.
std::vector<int> SubtractMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> diff(a.size(), 0);
    int borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        int d = a[i] - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        diff[i] = d + 10 * borrow;
    }
    Trim(diff);
    return diff;
}

} // namespace

Decimal NegateDecimal(Decimal value) {
    value.negative = !value.negative && !value.IsZero();
    return value;
}

Decimal AddDecimals(const Decimal& a, const Decimal& b) {
    Scaled x = ToScaled(a), y = ToScaled(b);
    const int scale = std::max(x.scale, y.scale);
    Rescale(x, scale);
    Rescale(y, scale);
    Trim(x.digits);
    Trim(y.digits);
    if (a.negative == b.negative) return FromScaled({AddMagnitudes(x.digits, y.digits), scale}, a.negative);
    const int order = Compare(x.digits, y.digits);
    if (order == 0) return {};
    return order > 0 ? FromScaled({SubtractMagnitudes(x.digits, y.digits), scale}, a.negative)
                     : FromScaled({SubtractMagnitudes(y.digits, x.digits), scale}, b.negative);
}

Decimal MultiplyDecimals(const Decimal& a, const Decimal& b) {
    const Scaled x = ToScaled(a), y = ToScaled(b);
    Scaled product;
    product.scale = x.scale + y.scale;
    product.digits.assign(x.digits.size() + y.digits.size() + 1, 0);
    for (size_t i = 0; i < x.digits.size(); ++i) {
        int carry = 0;
        for (size_t j = 0; j < y.digits.size() || carry; ++j) {
            const int d = product.digits[i + j] + carry + (j < y.digits.size() ? x.digits[i] * y.digits[j] : 0);
            product.digits[i + j] = d % 10;
            carry = d / 10;
        }
    }
    if (product.scale > kMaxProductFraction) {
        const size_t cut = size_t(product.scale - kMaxProductFraction);
        product.digits.erase(product.digits.begin(),
                             product.digits.begin() + std::min(cut, product.digits.size()));
        product.scale = kMaxProductFraction;
    }
    return FromScaled(product, a.negative != b.negative);
}
