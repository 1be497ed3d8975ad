#include "RecordingDevice.h"

#include <QPaintEngine>
#include <QTextItem>
#include <QTransform>

namespace {

class RecordingEngine final : public QPaintEngine {
public:
    explicit RecordingEngine(RecordingDevice& device) : QPaintEngine(AllFeatures), device_(device) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & DirtyTransform) transform_ = changed.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const double scale = transform_.m11();
        device_.recording.texts.append({item.text(), transform_.map(p), item.width() * scale});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) device_.recording.lines.append(transform_.map(lines[i]));
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return User; }

private:
    RecordingDevice& device_;
    QTransform transform_;
};

} // namespace

RecordingDevice::RecordingDevice(int widthTwips, int heightTwips)
    : width_(widthTwips), height_(heightTwips), engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const { return engine_.get(); }

QString Recording::AllText() const {
    QString all;
    for (const RecordedText& t : texts) all += t.text;
    return all;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return int(width_ / 56.6928);
    case PdmHeightMM: return int(height_ / 56.6928);
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 1440;
    case PdmDepth: return 32;
    case PdmNumColors: return 1 << 24;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return 0;
    }
}
