#include "print/PdfWriterOutput.h"

#include "print/PdfOutput.h"

#include <QPdfWriter>

namespace {
// What QPrinter::HighResolution gives a printer in PDF mode.
constexpr int kPdfResolution = 1200;
} // namespace

std::unique_ptr<QPdfWriter> MakePdfWriter(const QString& file) {
    auto writer = std::make_unique<QPdfWriter>(file);
    writer->setResolution(kPdfResolution);
    writer->setPageMargins(QMarginsF());
    return writer;
}

PdfWriterOutput::PdfWriterOutput(const QString& target)
    : staged_(StagePdfFile(target)), writer_(MakePdfWriter(staged_)) {}

PdfWriterOutput::~PdfWriterOutput() {
    writer_.reset();
    if (!finished_) DiscardStagedPdf(staged_);
}

bool PdfWriterOutput::Finish(bool ended, Asker& asker, const DrawnFaces& drawn, PublishStep* step) {
    finished_ = true;
    return FinishStagedPdf(staged_, ended, asker, drawn, step);
}
