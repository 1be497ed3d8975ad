#pragma once
// The box menu's ring builders: the current box and the selected boxes of its kind,
// in box-number order, are tied into one closed ring, each pointing to the next and
// the last back to the current box. One undoable step.
#include <QtGlobal>

class FormatDocument;

// "建立关联链" on a text box: a same-content ring through `RCtl`.
bool BuildSameRing(FormatDocument& document);
// "建立相关项" on a text box: a related ring through `RCtl1` (negative IDs).
bool BuildRelatedRing(FormatDocument& document);
// "建立关联链" on a check box: a radio group through `RCtl`.
bool BuildRadioGroup(FormatDocument& document);
// The ring builder that fits the current box (text: same ring, check: radio group);
// false when the current box is of neither kind or nothing was selected.
bool BuildRingForCurrent(FormatDocument& document, bool related);
