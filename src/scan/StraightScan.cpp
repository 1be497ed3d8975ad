#include "scan/StraightScan.h"

#include "scan/ScanTexts.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMmPerInch = 25.4;
// Resolutions below this are the "unknown" a file without one reports (72 or 96 dpi).
constexpr double kLeastScanDpi = 100;
constexpr double kMaxSkewDegrees = 5.5;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

std::vector<cv::Point> InkPoints(const cv::Mat& ink) {
    std::vector<cv::Point> points;
    cv::findNonZero(ink, points);
    return points;
}

// How sharply the ink gathers in rows when sheared by `degrees`: the sum of squared
// row counts. Rules and text lines give the highest value when level.
double RowSharpness(const std::vector<cv::Point>& points, int rows, int cols, double degrees) {
    const double slope = std::tan(Radians(degrees));
    const int margin = int(std::abs(slope) * cols) + 2;
    std::vector<int> counts(size_t(rows + 2 * margin), 0);
    for (const cv::Point& p : points) {
        const int row = int(std::lround(p.y - p.x * slope)) + margin;
        if (row >= 0 && row < int(counts.size())) ++counts[size_t(row)];
    }
    double sum = 0;
    for (int c : counts) sum += double(c) * c;
    return sum;
}

double BestSkew(const std::vector<cv::Point>& points, const cv::Size& size, double from, double to, double step) {
    double best = 0, bestValue = -1;
    for (double a = from; a <= to + 1e-9; a += step) {
        const double value = RowSharpness(points, size.height, size.width, a);
        if (value > bestValue) bestValue = value, best = a;
    }
    return best;
}

cv::Mat Scaled(const cv::Mat& grey, double factor) {
    cv::Mat out;
    cv::resize(grey, out, cv::Size(), factor, factor, factor < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
    return out;
}

// The slope of the rules and text lines in degrees (a line that should be level runs
// down to the right for a positive value): a coarse search on a small copy, then a
// fine one at the analysis scale.
double MeasureSkew(const cv::Mat& grey, double pxPerMm) {
    const cv::Mat coarse = InkOf(Scaled(grey, 3 / pxPerMm));
    const double rough = BestSkew(InkPoints(coarse), coarse.size(), -kMaxSkewDegrees, kMaxSkewDegrees, 0.1);
    const cv::Mat fine = InkOf(Scaled(grey, kWorkPxPerMm / pxPerMm));
    return BestSkew(InkPoints(fine), fine.size(), rough - 0.12, rough + 0.12, 0.01);
}

std::array<cv::Point2f, 4> Ordered(const std::vector<cv::Point>& quad) {
    // top-left has the least x + y, bottom-right the most; top-right the most x − y.
    std::array<cv::Point2f, 4> out;
    auto sum = [](const cv::Point& p) { return p.x + p.y; };
    auto diff = [](const cv::Point& p) { return p.x - p.y; };
    out[0] = *std::min_element(quad.begin(), quad.end(), [&](auto a, auto b) { return sum(a) < sum(b); });
    out[2] = *std::max_element(quad.begin(), quad.end(), [&](auto a, auto b) { return sum(a) < sum(b); });
    out[1] = *std::max_element(quad.begin(), quad.end(), [&](auto a, auto b) { return diff(a) < diff(b); });
    out[3] = *std::min_element(quad.begin(), quad.end(), [&](auto a, auto b) { return diff(a) < diff(b); });
    return out;
}

// The corners of a bright sheet lying on a darker background (a photograph, or a scan
// larger than the bill), in the grey image's pixels; nullopt when the sheet fills the
// image or no clear four-cornered sheet shows.
std::optional<std::array<cv::Point2f, 4>> FindSheet(const cv::Mat& grey) {
    const double factor = std::min(1.0, 900.0 / std::max(grey.cols, grey.rows));
    cv::Mat small = Scaled(grey, factor), bright;
    cv::GaussianBlur(small, small, cv::Size(5, 5), 0);
    const double level = cv::threshold(small, bright, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    cv::morphologyEx(bright, bright, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(15, 15)));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(bright, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    if (contours.empty()) return std::nullopt;
    const auto largest = std::max_element(contours.begin(), contours.end(), [](const auto& a, const auto& b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
    const double area = cv::contourArea(*largest), whole = double(small.cols) * small.rows;
    if (area < 0.2 * whole || area > 0.97 * whole) return std::nullopt;
    std::vector<cv::Point> quad;
    cv::approxPolyDP(*largest, quad, 0.02 * cv::arcLength(*largest, true), true);
    if (quad.size() != 4 || !cv::isContourConvex(quad)) return std::nullopt;
    // The sheet must stand out: the background clearly darker than the paper.
    cv::Mat inside = cv::Mat::zeros(small.size(), CV_8U);
    cv::fillConvexPoly(inside, quad, 255);
    const double paper = cv::mean(small, inside)[0], ground = cv::mean(small, ~inside)[0];
    if (paper - ground < 40 || level <= 0) return std::nullopt;
    std::array<cv::Point2f, 4> corners = Ordered(quad);
    for (cv::Point2f& c : corners) c = cv::Point2f(float((c.x + 0.5) / factor), float((c.y + 0.5) / factor));
    return corners;
}

double Distance(cv::Point2f a, cv::Point2f b) { return std::hypot(a.x - b.x, a.y - b.y); }

cv::Mat ColourOf(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return cv::Mat(rgb.height(), rgb.width(), CV_8UC3, rgb.bits(), size_t(rgb.bytesPerLine())).clone();
}

QImage PictureOf(const cv::Mat& colour) {
    return QImage(colour.data, colour.cols, colour.rows, int(colour.step), QImage::Format_RGB888).copy();
}

} // namespace

double RecordedDpi(const QImage& image) {
    const double dpi = image.dotsPerMeterX() * kMmPerInch / 1000;
    return dpi >= kLeastScanDpi ? dpi : 0;
}

cv::Mat GreyOf(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    return cv::Mat(grey.height(), grey.width(), CV_8U, grey.bits(), size_t(grey.bytesPerLine())).clone();
}

cv::Mat InkOf(const cv::Mat& grey) {
    cv::Mat smooth, ink;
    cv::GaussianBlur(grey, smooth, cv::Size(3, 3), 0);
    cv::adaptiveThreshold(smooth, ink, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, 31, 22);
    return ink;
}

std::optional<StraightScan> Straighten(const QImage& image, const ScanSettings& settings, QString* problem) {
    if (image.isNull()) return std::nullopt;
    const cv::Mat grey = GreyOf(image);
    const double dpi = settings.dpi.value_or(RecordedDpi(image));
    StraightScan out;
    cv::Mat colour = ColourOf(image);
    cv::Mat straightGrey;
    double pxPerMm = dpi / kMmPerInch;

    if (const auto sheet = FindSheet(grey)) {
        const auto& c = *sheet;
        const double widthPx = (Distance(c[0], c[1]) + Distance(c[3], c[2])) / 2;
        const double heightPx = (Distance(c[0], c[3]) + Distance(c[1], c[2])) / 2;
        if (settings.pageMm) pxPerMm = widthPx / settings.pageMm->width();
        if (pxPerMm <= 0) {
            if (problem) *problem = ScanTexts::kNoScale;
            return std::nullopt;
        }
        const QSizeF page = settings.pageMm.value_or(QSizeF(widthPx / pxPerMm, heightPx / pxPerMm));
        const cv::Size target(int(std::lround(page.width() * pxPerMm)), int(std::lround(page.height() * pxPerMm)));
        const std::array<cv::Point2f, 4> to{cv::Point2f(0, 0), cv::Point2f(float(target.width), 0),
                                            cv::Point2f(float(target.width), float(target.height)),
                                            cv::Point2f(0, float(target.height))};
        const cv::Mat warp = cv::getPerspectiveTransform(c.data(), to.data());
        cv::warpPerspective(grey, straightGrey, warp, target, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        cv::warpPerspective(colour, colour, warp, target, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        out.perspective = true;
        out.pageMm = page;
    } else {
        if (settings.pageMm) pxPerMm = grey.cols / settings.pageMm->width();
        if (pxPerMm <= 0) {
            if (problem) *problem = ScanTexts::kNoScale;
            return std::nullopt;
        }
        out.skewDegrees = MeasureSkew(grey, pxPerMm);
        if (std::abs(out.skewDegrees) >= 0.005) {
            const cv::Point2f centre(float(grey.cols / 2.0), float(grey.rows / 2.0));
            const cv::Mat turn = cv::getRotationMatrix2D(centre, out.skewDegrees, 1);
            cv::warpAffine(grey, straightGrey, turn, grey.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
            cv::warpAffine(colour, colour, turn, colour.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        } else {
            straightGrey = grey;
        }
        out.pageMm = settings.pageMm.value_or(QSizeF(grey.cols / pxPerMm, grey.rows / pxPerMm));
    }
    out.work = Scaled(straightGrey, kWorkPxPerMm / pxPerMm);
    out.picture = PictureOf(colour);
    const int dotsPerMeter = int(std::lround(pxPerMm * 1000));
    out.picture.setDotsPerMeterX(dotsPerMeter);
    out.picture.setDotsPerMeterY(dotsPerMeter);
    return out;
}
