#pragma once
// What one edit of a box sets off on the document's bill: linked boxes, the linked
// bill, sums and radio groups. Values reach them only through the entry path
// (aids/EntryPath.h), which decides which of these steps a route gets.
#include <QList>
#include <QtGlobal>

class FormatDocument;
struct AidContext;

// The steps an edited box can set off. A text box: the boxes of its same-content
// rings take its value (each converted by its own type), the boxes of its related
// rings are filled from the newest stored bill that had this value, and its sum
// targets are computed again. A check box that became ticked unticks the rest of its
// radio group (its ring through `RCtl`) whatever the steps.
enum AidStep : int {
    kNoAids = 0,
    kRingStep = 1,
    kLinkedBillStep = 2,
    kSumStep = 4,
    kAllAids = kRingStep | kLinkedBillStep | kSumStep,
};

// Runs `steps` for the box. Every box the aids change counts as edited in turn (a
// box reached through a ring passes the value on to its sums only, so the ring does
// not echo back), so sums and rings chain; a run ends after kChainSteps boxes so that
// circular sums cannot spin.
void RunAids(FormatDocument& document, qint64 boxId, int steps, const AidContext& context);

inline constexpr int kChainSteps = 500;

// The single steps, without chaining; each returns the boxes whose content it changed.
QList<qint64> PropagateSame(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> PullLinkedBill(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> RecomputeSums(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> ApplyRadioGroup(FormatDocument& document, qint64 checkBoxId);
