#pragma once
// Draws onto a recording device through a twip surface in a known font.
#include "RecordingDevice.h"
#include "content/layout/BoxFont.h"
#include "content/layout/TwipSurface.h"

#include <QPainter>
#include <functional>

inline BoxFont TestFont() {
    BoxFont font;
    font.name = QStringLiteral("Noto Sans CJK SC");
    return font;
}

// Runs `draw` on a fresh surface set to the test font at `sizePt` and returns what
// was drawn.
inline Recording Record(const std::function<void(TwipSurface&)>& draw, double sizePt = 12) {
    RecordingDevice device;
    QPainter painter(&device);
    {
        TwipSurface surface(painter);
        surface.SetFont(TestFont(), sizePt);
        draw(surface);
    }
    painter.end();
    return device.recording;
}
