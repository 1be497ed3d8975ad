#pragma once
// A paint device that keeps what is drawn on it instead of pixels: each text item
// with its baseline origin, and each line, in device units (1 unit = 1 twip at
// its 1440 dpi), so layout tests can read exact positions.
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QString>
#include <memory>

struct RecordedText {
    QString text;
    QPointF origin; // baseline start, twips
    double width;   // advance, twips
};

struct Recording {
    QList<RecordedText> texts;
    QList<QLineF> lines;
    // The texts joined in drawing order.
    QString AllText() const;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int widthTwips = 20000, int heightTwips = 20000);
    ~RecordingDevice() override;
    QPaintEngine* paintEngine() const override;

    Recording recording;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int width_, height_;
    std::unique_ptr<QPaintEngine> engine_;
};
