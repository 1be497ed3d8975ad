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
    InputBox* box = NewBox(record.kind, canvas);
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
    switch (r.kind) {
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

// Only the measures that changed on screen are written: the others keep the record's
// exact millimetres, which whole twips cannot carry (a moved 80 mm box stays 80 mm).
void BoxFactory::WritePlace(BoxKind kind, const QRect& t, BoxRecord& r, const CanvasScale& scale) {
    BoxRecord shown = r;
    shown.kind = kind;
    const QRect was = TwipsFromRecord(shown, scale);
    const auto update = [&scale](double& mm, int twips, int wasTwips) {
        if (twips != wasTwips) mm = scale.CanvasToMm(twips);
    };
    update(r.x, t.x(), was.x());
    update(r.y, t.y(), was.y());
    if (kind == BoxKind::Line) {
        update(r.w, t.x() + t.width(), was.x() + was.width());
        update(r.h, t.y() + t.height(), was.y() + was.height());
    } else {
        update(r.w, t.width(), was.width());
        update(r.h, t.height(), was.height());
    }
}
