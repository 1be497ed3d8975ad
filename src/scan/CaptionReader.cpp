#include "scan/CaptionReader.h"

#include <tesseract/baseapi.h>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <QRegularExpression>

#include <omp.h>

namespace {

// Heights in pixels a caption line is read at, in turn, until a reading is sure enough.
constexpr int kReadingHeights[] = {48, 32, 40};
constexpr double kSureEnough = 0.85;

} // namespace

struct CaptionReader::Engine {
    tesseract::TessBaseAPI api;
    bool ready = false;
};

CaptionReader::CaptionReader() : engine_(std::make_unique<Engine>()) {
    // Tesseract's parallel loops ask for their own thread counts; on a line this short
    // the threads mostly wait for each other, and on a busy machine much longer. No
    // parallel region may become active: the captions are read on the calling thread.
    omp_set_max_active_levels(0);
    engine_->ready = engine_->api.Init(nullptr, "chi_sim", tesseract::OEM_LSTM_ONLY) == 0;
    if (engine_->ready) {
        engine_->api.SetPageSegMode(tesseract::PSM_SINGLE_LINE);
        engine_->api.SetVariable("debug_file", "/dev/null");
    }
}

CaptionReader::~CaptionReader() {
    if (engine_->ready) engine_->api.End();
}

bool CaptionReader::IsReady() const { return engine_->ready; }

CaptionReading CaptionReader::ReadAt(const cv::Mat& grey, int height) {
    cv::Mat line;
    const double factor = double(height) / grey.rows;
    cv::resize(grey, line, cv::Size(), factor, factor, factor < 1 ? cv::INTER_AREA : cv::INTER_CUBIC);
    // A white margin: Tesseract misses characters that touch the image's edge.
    cv::copyMakeBorder(line, line, height / 3, height / 3, height / 2, height / 2, cv::BORDER_CONSTANT, cv::Scalar(255));
    engine_->api.SetImage(line.data, line.cols, line.rows, 1, int(line.step));
    std::unique_ptr<char[]> text(engine_->api.GetUTF8Text());
    CaptionReading reading;
    reading.text = QString::fromUtf8(text.get()).remove(QRegularExpression(QStringLiteral("\\s")));
    reading.confidence = std::max(0, engine_->api.MeanTextConf()) / 100.0;
    return reading;
}

CaptionReading CaptionReader::Read(const cv::Mat& grey) {
    if (!engine_->ready || grey.empty()) return {};
    // The recogniser is unsteady on small noisy lines: a doubtful reading is tried
    // again at another size and the surer one kept.
    CaptionReading best;
    for (int height : kReadingHeights) {
        const CaptionReading reading = ReadAt(grey, height);
        if (!reading.text.isEmpty() && reading.confidence > best.confidence) best = reading;
        if (best.confidence >= kSureEnough) break;
    }
    return best;
}
