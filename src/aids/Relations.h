#pragma once
// The relations between boxes as their records hold them: rings through `RCtl` and
// `RCtl1` (positive: same content, negative: related content) and sum targets in
// `SumID` and `SumID1` (± (ID + t): minus multiplies, t = 0.1 negates).
#include <QColor>
#include <QHash>
#include <QList>
#include <QtGlobal>

class FormatDocument;
struct BoxRecord;

enum class RingKind { Same, Related };
enum class LinkField { RCtl, RCtl1 };

// A ring that never closes is cut after this many steps; highlighting looks less far.
inline constexpr int kRingSteps = 500;
inline constexpr int kHighlightSteps = 200;

// The boxes reached from `start` by following one relation field while its value has
// the ring's sign, in walking order, without `start`. The walk ends at a zero or
// wrongly signed value, back at the start, at a box already reached, at a missing
// box, or after `maxSteps` steps.
QList<qint64> FollowRing(const FormatDocument& document, qint64 start, LinkField field,
                         RingKind kind, int maxSteps = kRingSteps);
// Both fields' rings of that kind, each box once.
QList<qint64> RingMembers(const FormatDocument& document, qint64 start, RingKind kind,
                          int maxSteps = kRingSteps);

struct SumLink {
    qint64 target = 0; // 0: none
    bool multiply = false;
    bool negate = false;
};
SumLink DecodeSumLink(double code);
// The box's two sum links in order: `SumID`, then `SumID1`.
QList<SumLink> SumLinksOf(const BoxRecord& box);

// Tints of the boxes tied to a focused text box: its related ring, its same ring and
// its two sum targets.
inline const QColor kRelatedTint(0, 255, 17);
inline const QColor kSameTint(255, 170, 170);
inline const QColor kSumTint(170, 170, 255);
inline const QColor kSecondSumTint(170, 255, 170);
QHash<qint64, QColor> RelationTints(const FormatDocument& document, qint64 focused);
