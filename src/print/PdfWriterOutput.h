#pragma once
// A PDF target written straight through Qt's PDF writer into a staging file (see
// PdfOutput.h). Making a printer object asks the print system for its default printer,
// a round trip to the print server on every command; the writer asks nothing, and its
// pages come out as a printer's in PDF mode: same resolution, page set-up and positions.
#include "content/layout/DrawnGlyphs.h"

#include <QString>
#include <memory>

class Asker;
class PublishStep;
class QPdfWriter;

// The paint device for a PDF file, set up as a high-resolution printer in PDF mode.
std::unique_ptr<QPdfWriter> MakePdfWriter(const QString& file);

class PdfWriterOutput {
public:
    explicit PdfWriterOutput(const QString& target);
    // Removes the staging file of a job that never finished.
    ~PdfWriterOutput();
    PdfWriterOutput(const PdfWriterOutput&) = delete;
    PdfWriterOutput& operator=(const PdfWriterOutput&) = delete;

    QPdfWriter& Writer() { return *writer_; }
    // After the painter has ended: see FinishStagedPdf. The file is then on its
    // target, and the writer takes no further pages.
    bool Finish(bool ended, Asker& asker, const DrawnFaces& drawn, PublishStep* step);
    bool Finished() const { return finished_; }

private:
    QString staged_;
    std::unique_ptr<QPdfWriter> writer_;
    bool finished_ = false;
};
