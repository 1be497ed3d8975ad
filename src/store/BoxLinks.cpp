#include "store/BoxLinks.h"

#include "store/Format.h"

#include <cmath>

namespace {
constexpr double kNegateMark = 0.1;
}

double RelationCode(qint64 id, bool related) {
    if (id <= 0) return 0;
    return related ? -double(id) : double(id);
}

BoxRelation RelationFromCode(double code) { return {LinkTarget(code), code < 0}; }

double SumTargetCode(qint64 id, bool multiply, bool negate) {
    if (id <= 0) return 0;
    const double magnitude = double(id) + (negate ? kNegateMark : 0.0);
    return multiply ? -magnitude : magnitude;
}

SumTarget SumTargetFromCode(double code) {
    const qint64 id = LinkTarget(code);
    const double fraction = std::fabs(code) - double(id);
    return {id, code < 0, std::fabs(fraction - kNegateMark) < 0.01};
}
