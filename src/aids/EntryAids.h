#pragma once
// What one edit of a box sets off on the document's bill: linked boxes, the linked
// bill, sums and radio groups. The window calls this when a box is left, the command
// line after each value it fills, batch printing for every value of a row.
#include <QList>
#include <QtGlobal>

class FormatDocument;
struct AidContext;

// A text box was left: its text is converted by its data type, then the boxes of its
// same-content rings take the value (each converted by its own type), the boxes of
// its related rings are filled from the newest stored bill that had this value, and
// its sum targets are computed again. Every box the aids change counts as edited in
// turn, so sums and rings chain; a run ends after kChainSteps boxes so that circular
// sums cannot spin. A check box that became ticked unticks the rest of its radio
// group (its ring through `RCtl`).
void OnBoxEdited(FormatDocument& document, qint64 boxId, const AidContext& context);

// The entry point for code that puts a value into a box as if it had been typed
// (data rows, the command line). The same as OnBoxEdited.
inline void ApplyAidsAfterEdit(FormatDocument& document, qint64 boxId, const AidContext& context) {
    OnBoxEdited(document, boxId, context);
}

// Boxes the program filled itself (dates, numbers, list defaults): their rings and
// sums follow as for an edit, without looking up a linked bill.
void AfterAutomaticFill(FormatDocument& document, const QList<qint64>& boxIds,
                        const AidContext& context);

inline constexpr int kChainSteps = 500;

// The single steps, without chaining; each returns the boxes whose content it changed.
QList<qint64> PropagateSame(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> PullLinkedBill(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> RecomputeSums(FormatDocument& document, qint64 boxId, const AidContext& context);
QList<qint64> ApplyRadioGroup(FormatDocument& document, qint64 checkBoxId);
