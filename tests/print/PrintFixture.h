#pragma once
// Formats built in memory and printed to PDF files as the print command writes them.
#include "store/Bill.h"
#include "store/Format.h"

#include <QString>

inline BoxRecord MakeBox(qint64 id, BoxKind kind, double x, double y, double w, double h,
                         const QString& label = QStringLiteral("框")) {
    BoxRecord box;
    box.id = id;
    box.kind = kind;
    box.label = label;
    box.x = x;
    box.y = y;
    box.w = w;
    box.h = h;
    box.fontName = QStringLiteral("Noto Sans CJK SC");
    box.fontSize = 12;
    return box;
}

inline Format MakeFormat(double width = 210, double height = 297) {
    Format format;
    format.name = QStringLiteral("测试格式");
    format.page.width = width;
    format.page.height = height;
    return format;
}

// Prints the bill to `pdfPath` as the print command does; the number of pages.
int PrintToPdf(const Format& format, const Bill& bill, const QString& pdfPath, int copies = 1,
               int* billsPrinted = nullptr);
