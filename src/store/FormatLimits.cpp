#include "store/FormatLimits.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kOffsetOrigin = 10; // a stored offset of 10 prints unshifted

const ValueRange& FontRangeOf(BoxKind kind) {
    return kind == BoxKind::Line ? kLineWidthRange : kFontSizeRange;
}
} // namespace

double ValueRange::Clamp(double value) const {
    return std::clamp(std::isnan(value) ? 0.0 : value, min, max);
}

bool PageSideInRange(double mm) { return kPageSideRange.Contains(mm); }

bool FontSizeInRange(double size, BoxKind kind) {
    return size == 0 || FontRangeOf(kind).Contains(size);
}

bool OffsetInRange(double storedOffset) {
    return kPrintShiftRange.Contains(storedOffset - kOffsetOrigin);
}

bool BoxPositionInRange(double mm) { return kBoxPositionRange.Contains(mm); }

bool FieldLengthInRange(const QString& text) { return text.size() <= kMaxFieldChars; }

bool PageParamsInRange(const PageParams& page) {
    return PageSideInRange(page.width) && PageSideInRange(page.height)
           && OffsetInRange(page.offsetX) && OffsetInRange(page.offsetY)
           && FieldLengthInRange(page.options.currency)
           && FieldLengthInRange(page.options.passwordArea);
}

bool BoxInRange(const BoxRecord& box) {
    const double positions[] = {box.x, box.y, box.w, box.h, box.s};
    return std::all_of(std::begin(positions), std::end(positions), BoxPositionInRange)
           && kPackedSpacingRange.Contains(box.l) && kBoxCodeRange.Contains(box.cash)
           && FontSizeInRange(box.fontSize, box.kind) && FieldLengthInRange(box.label)
           && FieldLengthInRange(box.mem) && FieldLengthInRange(box.fontName);
}

void ClampPageParams(PageParams& page) {
    page.width = kPageSideRange.Clamp(page.width);
    page.height = kPageSideRange.Clamp(page.height);
    for (double* offset : {&page.offsetX, &page.offsetY})
        if (!OffsetInRange(*offset))
            *offset = kOffsetOrigin + kPrintShiftRange.Clamp(*offset - kOffsetOrigin);
}

void ClampBox(BoxRecord& box) {
    for (double* value : {&box.x, &box.y, &box.w, &box.h, &box.s})
        *value = kBoxPositionRange.Clamp(*value);
    if (!kPackedSpacingRange.Contains(box.l)) box.l = kPackedSpacingRange.Clamp(box.l);
    if (!FontSizeInRange(box.fontSize, box.kind))
        box.fontSize = FontRangeOf(box.kind).Clamp(box.fontSize);
}
