#pragma once
// Setting the printer up for a format's page: the custom paper form of the page's
// size and the orientation ("纵向打印" feeds the bill lengthwise: landscape).
#include <QString>

class Asker;
class QPagedPaintDevice;
struct PageParams;

// The error number SetCustomPaper reports when the printer refuses the size. (Qt
// adds no spooler forms, so the spooler's "access denied" never arises here.)
inline constexpr int kPaperRefused = 1;

// Makes the printer use a paper form `formName` of width × height mm. On failure
// the user is told ("错误号: " and the number) and the
// printer keeps its current paper. Returns the error code, 0 on success.
int SetCustomPaper(QPagedPaintDevice& printer, const QString& formName, double widthMm, double heightMm,
                   Asker& asker);

// Paper (when the format asks for it), orientation and a page addressed from the
// paper's corner, on a printer or a PDF writer alike.
void ApplyPageSetup(QPagedPaintDevice& device, const PageParams& page, Asker& asker);
