#pragma once
// Reads the printed caption of a blank with Tesseract (Simplified Chinese and
// English). One reader belongs to one thread; starting it loads the language data,
// so a reader is made once and used for every caption of a scan (or of many scans).
#include <QString>

#include <memory>

namespace cv {
class Mat;
}

struct CaptionReading {
    QString text;       // as read, spaces between characters removed
    double confidence = 0; // 0..1
};

class CaptionReader {
public:
    CaptionReader();
    ~CaptionReader();
    CaptionReader(const CaptionReader&) = delete;
    CaptionReader& operator=(const CaptionReader&) = delete;

    // False when the language data could not be loaded.
    bool IsReady() const;
    // One line of dark text on light paper, 8-bit grey.
    CaptionReading Read(const cv::Mat& grey);

private:
    CaptionReading ReadAt(const cv::Mat& grey, int height);
    struct Engine;
    std::unique_ptr<Engine> engine_;
};
