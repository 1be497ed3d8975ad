#include "designer/BoxTemplates.h"
#include "content/LineStyles.h"

#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"

#include <QFontMetricsF>
#include <cmath>

QRect TemplateTwips(BoxKind kind) {
    switch (kind) {
    case BoxKind::Text: return {360, 840, 1095, 375};
    case BoxKind::Check: return {240, 480, 190, 190};
    case BoxKind::Picture: return {240, 1200, 1215, 735};
    case BoxKind::Line: return {240, 720, 2160, 0};
    case BoxKind::Label: return {240, 1080, 570, 285};
    }
    return {};
}

BoxRecord TemplateRecord(BoxKind kind, const CanvasScale& scale) {
    const QRect t = TemplateTwips(kind);
    BoxRecord r;
    r.kind = kind;
    r.x = scale.CanvasToMm(t.x());
    r.y = scale.CanvasToMm(t.y());
    if (kind == BoxKind::Line) {
        r.w = scale.CanvasToMm(t.x() + t.width());
        r.h = scale.CanvasToMm(t.y() + t.height());
        r.fontSize = 1; // line width
        r.cash = LineStyleCode(0); // solid
        return r;
    }
    r.w = scale.CanvasToMm(t.width());
    r.h = scale.CanvasToMm(t.height());
    r.fontName = QStringLiteral("宋体");
    r.fontSize = kind == BoxKind::Label ? 14.25 : 9;
    if (kind == BoxKind::Label) r.label = DesignerText::kLabelTemplateCaption;
    return r;
}

void FitLabelToText(BoxRecord& record, const CanvasScale& scale, double twipsPerPixel) {
    if (record.kind != BoxKind::Label) return;
    const QFontMetricsF metrics(FontFromRecord(record));
    // A pixel to spare on each side: the label's own text is never cut.
    const double width = (metrics.horizontalAdvance(record.label) + 2) * twipsPerPixel;
    const double height = (metrics.height() + 2) * twipsPerPixel;
    if (width > scale.MmToCanvas(record.w)) record.w = scale.CanvasToMm(std::ceil(width));
    if (height > scale.MmToCanvas(record.h)) record.h = scale.CanvasToMm(std::ceil(height));
}
