#include "scan/CaptionReader.h"

#include <tesseract/baseapi.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <QRegularExpression>

namespace {

// Tesseract reads best when a line of Chinese stands about this many pixels tall.
constexpr int kReadingHeight = 44;

} // namespace

struct CaptionReader::Engine {
    tesseract::TessBaseAPI api;
    bool ready = false;
};

CaptionReader::CaptionReader() : engine_(std::make_unique<Engine>()) {
    engine_->ready = engine_->api.Init(nullptr, "chi_sim+eng", tesseract::OEM_LSTM_ONLY) == 0;
    if (engine_->ready) {
        engine_->api.SetPageSegMode(tesseract::PSM_SINGLE_LINE);
        engine_->api.SetVariable("debug_file", "/dev/null");
    }
}

CaptionReader::~CaptionReader() {
    if (engine_->ready) engine_->api.End();
}

bool CaptionReader::IsReady() const { return engine_->ready; }

CaptionReading CaptionReader::Read(const cv::Mat& grey) {
    if (!engine_->ready || grey.empty()) return {};
    cv::Mat line;
    const double factor = double(kReadingHeight) / grey.rows;
    cv::resize(grey, line, cv::Size(), factor, factor, factor < 1 ? cv::INTER_AREA : cv::INTER_CUBIC);
    // A white margin: Tesseract misses characters that touch the image's edge.
    cv::copyMakeBorder(line, line, 12, 12, 16, 16, cv::BORDER_CONSTANT, cv::Scalar(255));
    engine_->api.SetImage(line.data, line.cols, line.rows, 1, int(line.step));
    std::unique_ptr<char[]> text(engine_->api.GetUTF8Text());
    CaptionReading reading;
    reading.text = QString::fromUtf8(text.get()).remove(QRegularExpression(QStringLiteral("\\s")));
    reading.confidence = std::max(0, engine_->api.MeanTextConf()) / 100.0;
    return reading;
}
