#include "ProposalScore.h"

#include <cmath>

namespace {

bool EdgesWithin(const QRectF& a, const QRectF& b, double tolerance) {
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.right() - b.right()) <= tolerance &&
           std::abs(a.top() - b.top()) <= tolerance && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

QString Describe(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3×%4)").arg(r.x(), 0, 'f', 1).arg(r.y(), 0, 'f', 1).arg(r.width(), 0, 'f', 1).arg(r.height(), 0, 'f', 1);
}

} // namespace

void ProposalScore::Add(const QList<TrueBlank>& truth, const QList<ProposedBox>& boxes, double toleranceMm,
                        const QString& bill) {
    QList<bool> used(boxes.size(), false);
    blanks += int(truth.size());
    proposed += int(boxes.size());
    for (const TrueBlank& blank : truth) {
        qsizetype match = -1;
        for (qsizetype i = 0; i < boxes.size() && match < 0; ++i)
            if (!used[i] && boxes[i].kind == blank.kind && EdgesWithin(boxes[i].mm, blank.mm, toleranceMm)) match = i;
        if (match < 0) {
            misses << QStringLiteral("%1: %2 %3 没找到").arg(bill, blank.label, Describe(blank.mm));
            continue;
        }
        used[match] = true;
        ++found;
        const ProposedBox& box = boxes[match];
        if (box.label == blank.label) ++labelsRight;
        else misses << QStringLiteral("%1: %2 读成 %3").arg(bill, blank.label, box.label);
        if (box.kind != BoxKind::Text || box.dataType == blank.dataType) ++typesRight;
        else misses << QStringLiteral("%1: %2 类别 %3 而非 %4").arg(bill, blank.label).arg(box.dataType).arg(blank.dataType);
    }
    for (qsizetype i = 0; i < boxes.size(); ++i)
        if (!used[i]) {
            ++spurious;
            misses << QStringLiteral("%1: 多出 %2 %3").arg(bill, boxes[i].label, Describe(boxes[i].mm));
        }
}

QString ProposalScore::Summary() const {
    return QStringLiteral("blanks %1, found %2 (%3%), proposed %4, spurious %5 (%6%), labels %7%, types %8%")
        .arg(blanks).arg(found).arg(100 * FoundRate(), 0, 'f', 1).arg(proposed).arg(spurious)
        .arg(100 * SpuriousRate(), 0, 'f', 1).arg(100 * LabelRate(), 0, 'f', 1).arg(100 * TypeRate(), 0, 'f', 1);
}
