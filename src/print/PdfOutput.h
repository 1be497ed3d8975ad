#pragma once
// PDF files from a print job are written beside their target under a temporary name
// and moved onto it only when complete, so a print that fails or is killed half-way
// never leaves a truncated file at the target. A target that is no plain file (a
// device, a pipe) gets the finished bytes written into it, checked.
#include "content/layout/DrawnGlyphs.h"

#include <QString>

class Asker;
class PublishStep;

// The staging file for `target`; FinishStagedPdf puts it there.
QString StagePdfFile(const QString& target);
// After the painter on the staging file `written` has ended (`ended`: without an
// error): checks that it is a whole PDF, repairs its text layer (naming the glyphs
// `drawn`), checks it again and puts it onto its target, with `step` (may be null)
// prepared before and committed after. False, with the reason told to `asker`, when
// it is not; the target is then left as it was and `step` rolled back.
bool FinishStagedPdf(const QString& written, bool ended, Asker& asker, const DrawnFaces& drawn,
                     PublishStep* step = nullptr);
// Removes a staging file that was never finished.
void DiscardStagedPdf(const QString& staged);
// The target of the staging file `staged`; empty when it is none.
QString StagedTarget(const QString& staged);

// Why the file is no whole PDF (its end, the cross-reference table it names); empty
// when it is one.
QString PdfIncompleteReason(const QString& path);
