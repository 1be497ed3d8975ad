#pragma once
// A printer in PDF mode (the window's "print to a file") writes its file through a
// staging file too (PdfOutput.h), put onto its target when the job ends.
class Asker;
class PublishStep;
class QPrinter;
class QString;

// Sends the printer's PDF output to a staging file for `target`.
void StagePdfOutput(QPrinter& printer, const QString& target);

// FinishStagedPdf for a printer sending its PDF output to a staging file. Returns
// `ended` for a printer without one.
bool FinishPdfOutput(QPrinter& printer, bool ended, Asker& asker, PublishStep* step = nullptr);
// Whether the printer writes a staged PDF file (StagePdfOutput).
bool HasStagedPdf(const QPrinter& printer);

// Removes the staged file of a job that never finished.
void DiscardPdfOutput(QPrinter& printer);
