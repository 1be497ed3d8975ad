#include "scan/LineBlanks.h"

#include "scan/StraightScan.h"

#include <algorithm>
#include <cmath>

namespace {

int Px(double mm) { return int(std::lround(mm * kWorkPxPerMm)); }
int Right(const cv::Rect& r) { return r.x + r.width; }
int Bottom(const cv::Rect& r) { return r.y + r.height; }
int MiddleY(const cv::Rect& r) { return r.y + r.height / 2; }

// A line to write on is at least this long.
const int kLeastWritingLine = Px(8);
// A blank above a writing line is at least this tall: room for a written line.
const int kLineBlankHeight = Px(7);
// No blank reaches further above its line than this.
const int kTallestLineBlank = Px(30);
// A caption stands at most this far before its blank.
const int kCaptionReach = Px(8);
// Between a caption and its blank when the row does not show it.
const int kCaptionGap = Px(1);

// A vertical rule touching the line makes it a table's line, not one to write on;
// a frame that merely comes near (a line ending short of it) does not.
bool MeetsVertical(const cv::Rect& line, const std::vector<cv::Rect>& vRules) {
    const int reach = Px(0.4);
    const cv::Rect grown(line.x - reach, line.y - reach, line.width + 2 * reach, line.height + 2 * reach);
    return std::any_of(vRules.begin(), vRules.end(), [&](const cv::Rect& v) { return (v & grown).area() > 0; });
}

// How high the blanks on a line may reach: to the nearest rule above that spans part
// of it, or to printed text above it (text within a written line's height is a
// caption on the line, which the blank before it runs under).
int Ceiling(const cv::Rect& line, int base, const std::vector<cv::Rect>& hRules, const std::vector<cv::Rect>& texts) {
    int ceiling = std::max(0, base - kTallestLineBlank);
    auto above = [&](const cv::Rect& r) {
        return std::min(Right(r), Right(line)) - std::max(r.x, line.x) > Px(1);
    };
    for (const cv::Rect& other : hRules)
        if (other != line && Bottom(other) <= base - Px(1) && above(other))
            ceiling = std::max(ceiling, MiddleY(other) + 1);
    for (const cv::Rect& t : texts)
        if (Bottom(t) < base - kLineBlankHeight && above(t)) ceiling = std::max(ceiling, Bottom(t) + 1);
    return ceiling;
}

// The caption just before x on the line's row: the nearest to the line among the runs
// ending there between the ceiling and the line.
cv::Rect CaptionBefore(int x, int ceiling, int base, const std::vector<cv::Rect>& texts) {
    cv::Rect best;
    for (const cv::Rect& t : texts) {
        if (Right(t) > x + Px(1) || Right(t) < x - kCaptionReach) continue;
        if (MiddleY(t) <= ceiling || MiddleY(t) >= base || Bottom(t) > base + Px(1)) continue;
        if (best.empty() || MiddleY(t) > MiddleY(best)) best = t;
    }
    return best;
}

// Short captions printed on the line itself, left to right: each starts a blank of
// its own. A run wider than a third of the line is a heading underlined, which `texts`
// reports through `underlined`.
std::vector<cv::Rect> CaptionsOnLine(const cv::Rect& line, int base, const std::vector<cv::Rect>& texts,
                                     bool& underlined) {
    std::vector<cv::Rect> on;
    underlined = false;
    for (const cv::Rect& t : texts) {
        if (Bottom(t) > base + Px(0.5) || Bottom(t) < base - kLineBlankHeight) continue;
        const int inside = std::min(Right(t), Right(line)) - std::max(t.x, line.x);
        if (inside <= t.width / 2) continue;
        if (inside > line.width / 3) {
            underlined = true;
            return {};
        }
        // A run at either end is the caption before the line or the word after it.
        if (t.x > line.x + Px(2) && Right(t) < Right(line) - Px(2)) on.push_back(t);
    }
    std::sort(on.begin(), on.end(), [](const cv::Rect& a, const cv::Rect& b) { return a.x < b.x; });
    return on;
}

// A caption printed higher than one written on the line is centred on its blank, so
// the blank is twice as tall as the caption's middle is above the line.
int BlankTop(const cv::Rect& caption, int base, int ceiling) {
    int height = kLineBlankHeight;
    if (!caption.empty()) height = std::max(height, 2 * (base - caption.y) - caption.height);
    return std::max(ceiling, base - height);
}

} // namespace

std::vector<FoundBlank> FindLineBlanks(const std::vector<cv::Rect>& hRules, const std::vector<cv::Rect>& vRules,
                                       const std::vector<cv::Rect>& texts) {
    std::vector<FoundBlank> blanks;
    for (const cv::Rect& line : hRules) {
        if (line.width < kLeastWritingLine || line.height > Px(1) || MeetsVertical(line, vRules)) continue;
        const int base = MiddleY(line);
        const int ceiling = Ceiling(line, base, hRules, texts);
        bool underlined = false;
        const std::vector<cv::Rect> onLine = CaptionsOnLine(line, base, texts, underlined);
        if (underlined) continue;
        const cv::Rect lead = CaptionBefore(line.x, ceiling, base, texts);
        // A caption on the line stands as far before its blank as the line's own does.
        const int gap = !lead.empty() && line.x >= Right(lead) ? line.x - Right(lead) : kCaptionGap;
        int start = line.x;
        cv::Rect caption = lead;
        for (size_t i = 0; i <= onLine.size(); ++i) {
            const int end = i < onLine.size() ? Right(onLine[i]) + gap : Right(line);
            const int top = BlankTop(caption, base, ceiling);
            if (end - start >= kLeastWritingLine && base - top >= Px(2))
                blanks.push_back({cv::Rect(start, top, end - start, base - top), BlankShape::Line, 0, -1, caption});
            if (i < onLine.size()) start = end, caption = onLine[i];
        }
    }
    return blanks;
}
