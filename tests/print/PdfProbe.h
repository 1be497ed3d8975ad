#pragma once
// Reading printed output back with poppler: word boxes and page sizes (pdftotext
// -bbox) and pages rasterised at a known resolution (pdftoppm), all in millimetres.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct PdfWord {
    QString text;
    QRectF box; // mm from the page's top-left corner
};

struct PdfPage {
    QSizeF size; // mm
    QList<PdfWord> words;
};

// Every page of the file; empty when poppler cannot read it.
QList<PdfPage> ReadPdf(const QString& path);
// The file's text layer as poppler extracts it (pdftotext), pages ending in a form feed.
QString PdfText(const QString& path);
// The objects ("3 0 obj") the cross-reference tables (the last one and those of
// earlier versions it points back to) place where they do not start; "table" when
// there is no table at the offset startxref or a /Prev gives.
QStringList CrossReferenceMismatches(const QByteArray& pdf);
// One page as a greyscale picture at `dpi`.
QImage RasterisePage(const QString& path, int page, int dpi);
// The bounding box (mm) of the dark pixels inside `searchMm` of a rasterised page.
QRectF DarkBox(const QImage& page, int dpi, const QRectF& searchMm);
// The text zbar decodes from the picture as raw bytes; empty when none.
QByteArray DecodeSymbol(const QImage& picture);
