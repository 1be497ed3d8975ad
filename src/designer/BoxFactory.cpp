#include "designer/BoxFactory.h"

#include "designer/BoxTemplates.h"
#include "designer/CanvasScale.h"
#include "designer/CheckInputBox.h"
#include "designer/LabelInputBox.h"
#include "designer/LineInputBox.h"
#include "designer/PictureInputBox.h"
#include "designer/TextInputBox.h"

namespace {
InputBox* NewBox(BoxKind kind, QWidget* canvas) {
    switch (kind) {
    case BoxKind::Text: return new TextInputBox(canvas);
    case BoxKind::Check: return new CheckInputBox(canvas);
    case BoxKind::Picture: return new PictureInputBox(canvas);
    case BoxKind::Line: return new LineInputBox(canvas);
    case BoxKind::Label: return new LabelInputBox(canvas);
    }
    return nullptr;
}
} // namespace

InputBox* BoxFactory::Create(const BoxRecord& record, QWidget* canvas,
                             const BoxEnvironment& environment, const CanvasScale& scale) {
    InputBox* box = NewBox(record.Kind(), canvas);
    if (!box) return nullptr;
    box->environment_ = environment;
    Apply(*box, record, scale);
    box->show();
    return box;
}

void BoxFactory::Apply(InputBox& box, const BoxRecord& record, const CanvasScale& scale) {
    box.ApplyRecord(record);
    box.SetTwips(TwipsFromRecord(record, scale));
}

QRect BoxFactory::TwipsFromRecord(const BoxRecord& r, const CanvasScale& scale) {
    const int x = int(scale.MmToCanvas(r.x)), y = int(scale.MmToCanvas(r.y));
    switch (r.Kind()) {
    case BoxKind::Line:
        return {x, y, int(scale.MmToCanvas(r.w)) - x, int(scale.MmToCanvas(r.h)) - y};
    case BoxKind::Check: {
        const QRect t = TemplateTwips(BoxKind::Check);
        return {x, y, t.width(), t.height()};
    }
    case BoxKind::Text:
    case BoxKind::Picture:
    case BoxKind::Label:
        break;
    }
    return {x, y, int(scale.MmToCanvas(r.w)), int(scale.MmToCanvas(r.h))};
}

void BoxFactory::WritePlace(const InputBox& box, BoxRecord& r, const CanvasScale& scale) {
    WritePlace(box.Kind(), box.Twips(), r, scale);
}

void BoxFactory::WritePlace(BoxKind kind, const QRect& t, BoxRecord& r, const CanvasScale& scale) {
    r.x = scale.CanvasToMm(t.x());
    r.y = scale.CanvasToMm(t.y());
    if (kind == BoxKind::Line) {
        r.w = scale.CanvasToMm(t.x() + t.width());
        r.h = scale.CanvasToMm(t.y() + t.height());
    } else {
        r.w = scale.CanvasToMm(t.width());
        r.h = scale.CanvasToMm(t.height());
    }
}
