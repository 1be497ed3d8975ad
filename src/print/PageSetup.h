#pragma once
// Setting the printer up for a format's page: the custom paper form of the page's
// size and the orientation ("纵向打印" feeds the bill lengthwise: landscape).
#include <QString>

class Asker;
class QPagedPaintDevice;
struct PageParams;

// The error numbers SetCustomPaper reports: a size no paper can have, and a print
// queue that takes neither that size by name nor custom sizes (the spooler's
// "access denied", told as such).
inline constexpr int kPaperRefused = 1;
inline constexpr int kPaperAccessDenied = 5;

// A print queue's named paper within this much of a page's size is taken for it.
inline constexpr double kNamedPaperToleranceMm = 0.5;

// Makes the printer use a paper form `formName` of width × height mm: on a print queue
// its own paper of that size (within kNamedPaperToleranceMm), else a custom size when
// the queue takes custom sizes. On failure the user is told (the queue's refusal, or
// "错误号: " and the number) and the printer keeps its current paper. Returns the error
// code, 0 on success.
int SetCustomPaper(QPagedPaintDevice& printer, const QString& formName, double widthMm, double heightMm,
                   Asker& asker);

// Paper (when the format asks for it), orientation and a page addressed from the
// paper's corner, on a printer or a PDF writer alike. Returns SetCustomPaper's code
// (0 when the paper was not set).
int ApplyPageSetup(QPagedPaintDevice& device, const PageParams& page, Asker& asker);
