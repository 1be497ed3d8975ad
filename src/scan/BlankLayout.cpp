#include "scan/BlankLayout.h"

#include "scan/LineBlanks.h"
#include "scan/StraightScan.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

int Px(double mm) { return int(std::lround(mm * kWorkPxPerMm)); }

// A ruled line is at least this long; strokes of printed characters are shorter.
const int kLeastRule = Px(4);

cv::Mat Kernel(int w, int h) { return cv::getStructuringElement(cv::MORPH_RECT, cv::Size(w, h)); }

std::vector<cv::Rect> Components(const cv::Mat& mask) {
    cv::Mat labels, stats, centroids;
    const int n = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
    std::vector<cv::Rect> out;
    for (int i = 1; i < n; ++i)
        out.emplace_back(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                         stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
    return out;
}

cv::Rect Grown(const cv::Rect& r, int by) { return cv::Rect(r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by); }

int InkIn(const cv::Mat& mask, cv::Rect r) {
    r &= cv::Rect(0, 0, mask.cols, mask.rows);
    return r.area() > 0 ? cv::countNonZero(mask(r)) : 0;
}

bool Near(int a, int b, int tolerance) { return std::abs(a - b) <= tolerance; }

// Printed squares: a thin closed outline, about square, nothing inside.
std::vector<cv::Rect> FindSquares(const cv::Mat& ink) {
    std::vector<std::vector<cv::Point>> contours;
    std::vector<cv::Vec4i> hierarchy;
    cv::findContours(ink.clone(), contours, hierarchy, cv::RETR_CCOMP, cv::CHAIN_APPROX_SIMPLE);
    std::vector<cv::Rect> squares;
    for (size_t i = 0; i < contours.size(); ++i) {
        if (hierarchy[i][3] >= 0 || hierarchy[i][2] < 0) continue; // an outline with a hole
        const cv::Rect r = cv::boundingRect(contours[i]);
        if (r.width < Px(2.6) || r.width > Px(8) || r.height < Px(2.6) || r.height > Px(8)) continue;
        if (std::abs(r.width - r.height) > std::max(r.width, r.height) / 5) continue;
        if (cv::contourArea(contours[i]) < 0.9 * r.area()) continue;
        const double thickness = InkIn(ink, r) / (2.0 * (r.width + r.height));
        if (thickness > Px(0.45)) continue;
        const cv::Rect hole = cv::boundingRect(contours[size_t(hierarchy[i][2])]);
        if (hole.width < r.width - Px(1.2) || hole.height < r.height - Px(1.2)) continue;
        if (InkIn(ink, Grown(hole, -Px(0.4))) > 2) continue;
        squares.push_back(Grown(r, -1)); // to the centre of the outline
    }
    return squares;
}

// Cells closed by ruled lines: the holes of the line drawing that are rectangles.
std::vector<cv::Rect> FindCells(const cv::Mat& rules) {
    std::vector<std::vector<cv::Point>> contours;
    std::vector<cv::Vec4i> hierarchy;
    cv::findContours(rules.clone(), contours, hierarchy, cv::RETR_CCOMP, cv::CHAIN_APPROX_SIMPLE);
    std::vector<cv::Rect> cells;
    for (size_t i = 0; i < contours.size(); ++i) {
        if (hierarchy[i][3] < 0) continue;
        const cv::Rect r = cv::boundingRect(contours[i]);
        if (r.width < Px(2.5) || r.height < Px(2.5)) continue;
        if (cv::contourArea(contours[i]) < 0.85 * r.area()) continue;
        // The hole ends where the (thickened) line begins: out to the line's centre.
        cells.push_back(Grown(r, 2));
    }
    return cells;
}

struct SmallRect {
    cv::Rect rect;
    int cellIndex;   // -1 for a printed square
};

// Rows of three or more equal small cells side by side become one blank of cells; a
// lone square is a check box; a lone small cell stays a cell.
void GroupSmallCells(std::vector<SmallRect> smalls, std::vector<FoundBlank>& blanks) {
    // From left to right, so a run starts at its leftmost cell however the row leans.
    std::sort(smalls.begin(), smalls.end(), [](const SmallRect& a, const SmallRect& b) { return a.rect.x < b.rect.x; });
    std::vector<bool> used(smalls.size(), false);
    const int tolerance = Px(0.7);
    for (size_t i = 0; i < smalls.size(); ++i) {
        if (used[i]) continue;
        std::vector<size_t> run{i};
        bool grew = true;
        while (grew) {
            grew = false;
            const cv::Rect& last = smalls[run.back()].rect;
            for (size_t j = 0; j < smalls.size(); ++j) {
                const cv::Rect& next = smalls[j].rect;
                if (used[j] || j == run.back() || std::find(run.begin(), run.end(), j) != run.end()) continue;
                const int gap = next.x - (last.x + last.width);
                if (Near(next.y, last.y, tolerance) && Near(next.height, last.height, tolerance) &&
                    Near(next.width, last.width, tolerance) && gap >= -Px(0.6) && gap < last.width * 4 / 5) {
                    run.push_back(j);
                    grew = true;
                    break;
                }
            }
        }
        if (run.size() >= 3) {
            cv::Rect all = smalls[run.front()].rect;
            for (size_t k : run) all |= smalls[k].rect, used[k] = true;
            blanks.push_back({all, BlankShape::Cells, int(run.size())});
            continue;
        }
        used[i] = true;
        const SmallRect& one = smalls[i];
        const bool squareish = std::abs(one.rect.width - one.rect.height) <= std::max(one.rect.width, one.rect.height) / 5;
        if (one.cellIndex < 0 || (squareish && one.rect.width <= Px(7)))
            blanks.push_back({one.rect, BlankShape::Square, 0, one.cellIndex});
        else
            blanks.push_back({one.rect, BlankShape::Cell, 0, one.cellIndex});
    }
}

} // namespace

Layout FindLayout(const cv::Mat& work) {
    Layout layout;
    const cv::Mat ink = InkOf(work);
    cv::Mat joined, horizontal, vertical;
    cv::morphologyEx(ink, joined, cv::MORPH_CLOSE, Kernel(3, 1));
    cv::morphologyEx(joined, horizontal, cv::MORPH_OPEN, Kernel(kLeastRule, 1));
    cv::morphologyEx(ink, joined, cv::MORPH_CLOSE, Kernel(1, 3));
    cv::morphologyEx(joined, vertical, cv::MORPH_OPEN, Kernel(1, kLeastRule));
    const std::vector<cv::Rect> hRules = Components(horizontal), vRules = Components(vertical);
    layout.rules = hRules;
    layout.rules.insert(layout.rules.end(), vRules.begin(), vRules.end());

    cv::Mat rules = horizontal | vertical;
    cv::dilate(rules, rules, Kernel(3, 3));

    // Printed text: the ink that is not a rule, without specks.
    cv::Mat text = ink & ~rules;
    cv::morphologyEx(text, text, cv::MORPH_OPEN, Kernel(2, 2));
    const std::vector<cv::Rect> squares = FindSquares(ink);
    for (const cv::Rect& s : squares) text(Grown(s, 1) & cv::Rect(0, 0, text.cols, text.rows)) = 0;

    // Runs of text: characters closer than about 2 mm join; a rule cuts a run.
    cv::Mat runs;
    cv::dilate(text, runs, Kernel(Px(2.2), 3));
    runs &= ~rules;
    for (const cv::Rect& r : Components(runs)) {
        const cv::Rect tight = cv::boundingRect(text(r)) + r.tl();
        if (tight.height >= Px(1.2) && tight.height <= Px(14) && tight.width >= Px(0.8) && cv::countNonZero(text(r)) > 0)
            layout.texts.push_back(tight);
    }

    const cv::Rect page(0, 0, work.cols, work.rows);
    std::vector<SmallRect> smalls;
    for (const cv::Rect& r : FindCells(rules)) {
        if (r.area() > page.area() / 3) continue;
        const cv::Rect inner = Grown(r, -Px(0.6));
        const bool empty = inner.width > 0 && inner.height > 0 && InkIn(text, inner) <= std::max(6, inner.area() / 400) &&
                           InkIn(rules, Grown(r, -Px(0.8))) == 0;
        const int index = int(layout.cells.size());
        layout.cells.push_back({r, empty});
        if (!empty) continue;
        if (r.width <= Px(9) && r.height <= Px(14)) smalls.push_back({r, index});
        else layout.blanks.push_back({r, BlankShape::Cell, 0, index});
    }
    for (const cv::Rect& s : squares) {
        const bool inCell = std::any_of(smalls.begin(), smalls.end(), [&](const SmallRect& c) {
            return (c.rect & s).area() > s.area() / 2;
        });
        if (!inCell) smalls.push_back({s, -1});
    }
    GroupSmallCells(std::move(smalls), layout.blanks);

    const std::vector<FoundBlank> lines = FindLineBlanks(hRules, vRules, layout.texts);
    layout.blanks.insert(layout.blanks.end(), lines.begin(), lines.end());
    return layout;
}
