#include "aids/Relations.h"

#include "document/FormatDocument.h"

#include <QSet>
#include <cmath>

namespace {
constexpr double kNegateMark = 0.1;

double FieldValue(const BoxRecord& box, LinkField field) {
    return field == LinkField::RCtl ? box.rctl : double(box.rctl1);
}
} // namespace

QList<qint64> FollowRing(const FormatDocument& document, qint64 start, LinkField field,
                         RingKind kind, int maxSteps) {
    QList<qint64> members;
    QSet<qint64> reached{start};
    qint64 current = start;
    for (int step = 0; step < maxSteps; ++step) {
        const BoxRecord* box = document.Record(current);
        if (!box) break;
        const double value = FieldValue(*box, field);
        if (value == 0 || (value > 0) != (kind == RingKind::Same)) break;
        const qint64 next = LinkTarget(value);
        if (reached.contains(next) || !document.Record(next)) break;
        reached.insert(next);
        members.append(next);
        current = next;
    }
    return members;
}

QList<qint64> RingMembers(const FormatDocument& document, qint64 start, RingKind kind, int maxSteps) {
    QList<qint64> members = FollowRing(document, start, LinkField::RCtl, kind, maxSteps);
    for (qint64 id : FollowRing(document, start, LinkField::RCtl1, kind, maxSteps))
        if (!members.contains(id)) members.append(id);
    return members;
}

SumLink DecodeSumLink(double code) {
    const qint64 target = LinkTarget(code);
    if (target == 0) return {};
    const double fraction = std::fabs(code) - double(target);
    return {target, code < 0, std::fabs(fraction - kNegateMark) < 0.01};
}

QList<SumLink> SumLinksOf(const BoxRecord& box) {
    return {DecodeSumLink(box.sumId), DecodeSumLink(box.sumId1)};
}

QHash<qint64, QColor> RelationTints(const FormatDocument& document, qint64 focused) {
    QHash<qint64, QColor> tints;
    const BoxRecord* box = document.Record(focused);
    if (!box || box->kind != BoxKind::Text) return tints;
    for (qint64 id : RingMembers(document, focused, RingKind::Related, kHighlightSteps))
        tints.insert(id, kRelatedTint);
    for (qint64 id : RingMembers(document, focused, RingKind::Same, kHighlightSteps))
        tints.insert(id, kSameTint);
    const QList<SumLink> sums = SumLinksOf(*box);
    if (sums[0].target && document.Record(sums[0].target)) tints.insert(sums[0].target, kSumTint);
    if (sums[1].target && document.Record(sums[1].target)) tints.insert(sums[1].target, kSecondSumTint);
    tints.remove(focused);
    return tints;
}
