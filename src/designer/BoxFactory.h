#pragma once
// Building input boxes from box records and writing their place back, the one
// field-to-property mapping between records and on-screen boxes.
#include "designer/InputBox.h"

class CanvasScale;

class BoxFactory {
public:
    // A new box of the record's kind on `canvas`, placed through `scale`.
    static InputBox* Create(const BoxRecord& record, QWidget* canvas,
                            const BoxEnvironment& environment, const CanvasScale& scale);
    // Rebuilds an existing box's look and place from its record.
    static void Apply(InputBox& box, const BoxRecord& record, const CanvasScale& scale);
    // The record's position columns from the box's place in twips.
    static void WritePlace(const InputBox& box, BoxRecord& record, const CanvasScale& scale);
    static void WritePlace(BoxKind kind, const QRect& twips, BoxRecord& record, const CanvasScale& scale);
    // The box's place in twips as the record gives it.
    static QRect TwipsFromRecord(const BoxRecord& record, const CanvasScale& scale);
};
