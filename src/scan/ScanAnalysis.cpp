#include "scan/ScanAnalysis.h"

#include "scan/BlankLayout.h"
#include "scan/CaptionReader.h"
#include "scan/DataTypeGuess.h"
#include "scan/ProposalRecords.h"
#include "scan/ScanTexts.h"
#include "scan/StraightScan.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace {

int Px(double mm) { return int(std::lround(mm * kWorkPxPerMm)); }
double Mm(int px) { return px / kWorkPxPerMm; }
int Right(const cv::Rect& r) { return r.x + r.width; }
int Bottom(const cv::Rect& r) { return r.y + r.height; }
int MiddleY(const cv::Rect& r) { return r.y + r.height / 2; }

int OverlapY(const cv::Rect& a, const cv::Rect& b) { return std::min(Bottom(a), Bottom(b)) - std::max(a.y, b.y); }
int OverlapX(const cv::Rect& a, const cv::Rect& b) { return std::min(Right(a), Right(b)) - std::max(a.x, b.x); }

// Where the caption of one blank is printed, in analysis pixels; empty when none is.
struct CaptionPlace {
    cv::Rect rect;
    bool datePart = false; // a 年 / 月 / 日 right after a line names it
};

// The text run nearest before `blank` on its row.
cv::Rect TextLeftOf(const Layout& layout, const cv::Rect& blank, int bandTop, int bandBottom) {
    cv::Rect best;
    for (const cv::Rect& t : layout.texts) {
        const int middle = MiddleY(t);
        if (Right(t) > blank.x + Px(1) || Right(t) < blank.x - Px(8)) continue;
        if (middle < bandTop || middle > bandBottom) continue;
        if (best.empty() || Right(t) > Right(best)) best = t;
    }
    return best;
}

// The single character just after `blank` on its row (年 in "____年").
cv::Rect CharacterRightOf(const Layout& layout, const cv::Rect& blank, int bandTop, int bandBottom) {
    for (const cv::Rect& t : layout.texts) {
        const int middle = MiddleY(t);
        if (t.x < Right(blank) - Px(0.5) || t.x > Right(blank) + Px(2.5)) continue;
        if (middle < bandTop || middle > bandBottom) continue;
        if (t.width <= t.height * 3 / 2) return t;
    }
    return {};
}

cv::Rect TextRightOf(const Layout& layout, const cv::Rect& blank) {
    for (const cv::Rect& t : layout.texts)
        if (t.x >= Right(blank) - Px(0.5) && t.x <= Right(blank) + Px(2.5) && MiddleY(t) > blank.y - Px(1) &&
            MiddleY(t) < Bottom(blank) + Px(1))
            return t;
    return {};
}

cv::Rect TextIn(const Layout& layout, const cv::Rect& cell) {
    cv::Rect all;
    for (const cv::Rect& t : layout.texts)
        if ((t & cell).area() == t.area()) all = all.empty() ? t : (all | t);
    return all;
}

// A table cell's caption: the printed cell just left of it, else the nearest printed
// cell above it in its column.
cv::Rect CellCaption(const Layout& layout, const cv::Rect& blank) {
    for (const LayoutCell& c : layout.cells)
        if (!c.empty && std::abs(Right(c.rect) - blank.x) <= Px(1.5) && OverlapY(c.rect, blank) >= blank.height * 3 / 5)
            if (const cv::Rect text = TextIn(layout, c.rect); !text.empty()) return text;
    cv::Rect best, bestCell;
    for (const LayoutCell& c : layout.cells) {
        if (c.empty || Bottom(c.rect) > blank.y + Px(1)) continue;
        if (OverlapX(c.rect, blank) < std::min(c.rect.width, blank.width) * 3 / 5) continue;
        if (!bestCell.empty() && Bottom(c.rect) <= Bottom(bestCell)) continue;
        if (const cv::Rect text = TextIn(layout, c.rect); !text.empty()) best = text, bestCell = c.rect;
    }
    return best;
}

CaptionPlace PlaceOfCaption(const Layout& layout, const FoundBlank& blank) {
    const cv::Rect& r = blank.rect;
    switch (blank.shape) {
    case BlankShape::Line:
        if (const cv::Rect c = CharacterRightOf(layout, r, r.y, Bottom(r) + Px(1.5)); !c.empty()) return {c, true};
        if (!blank.caption.empty()) return {blank.caption};
        return {TextLeftOf(layout, r, r.y, Bottom(r) + Px(1.5))};
    case BlankShape::Square:
        if (const cv::Rect c = TextRightOf(layout, r); !c.empty()) return {c};
        return {TextLeftOf(layout, r, r.y - Px(1), Bottom(r) + Px(1))};
    case BlankShape::Cell:
    case BlankShape::Cells:
        if (const cv::Rect c = CellCaption(layout, r); !c.empty()) return {c};
        return {TextLeftOf(layout, r, r.y, Bottom(r))};
    }
    return {};
}

cv::Mat Crop(const cv::Mat& work, const cv::Rect& rect) {
    return work(cv::Rect(rect.x - Px(0.4), rect.y - Px(0.4), rect.width + Px(0.8), rect.height + Px(0.8)) &
                cv::Rect(0, 0, work.cols, work.rows));
}

double ShapeTrust(BlankShape shape) { return shape == BlankShape::Cell || shape == BlankShape::Cells ? 1.0 : 0.9; }

// 金额 = 数量 × 单价: on a row holding all three, the quantity and the price multiply
// into the amount.
void ProposeProducts(QList<ProposedBox>& boxes) {
    auto sameRow = [](const ProposedBox& a, const ProposedBox& b) {
        return std::abs(a.mm.center().y() - b.mm.center().y()) < 1.5;
    };
    for (qsizetype amount = 0; amount < boxes.size(); ++amount) {
        if (!IsAmountLabel(boxes[amount].label) || boxes[amount].kind != BoxKind::Text) continue;
        qsizetype quantity = -1, price = -1;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            if (i == amount || !sameRow(boxes[i], boxes[amount])) continue;
            if (IsQuantityLabel(boxes[i].label) && quantity < 0) quantity = i;
            if (IsUnitPriceLabel(boxes[i].label) && price < 0) price = i;
        }
        if (quantity >= 0 && price >= 0) boxes[quantity].productInto = boxes[price].productInto = int(amount);
    }
}

// Labels name boxes, so a label met again gets the next number (数量, 数量2, 数量3);
// a blank without a caption gets a numbered name.
void MakeLabelsUnique(QList<ProposedBox>& boxes) {
    QSet<QString> taken;
    int unnamed = 0;
    for (ProposedBox& box : boxes) {
        if (box.label.isEmpty()) box.label = ScanTexts::kUnnamed.arg(++unnamed);
        box.label = FreeLabel(box.label, taken);
        taken.insert(box.label);
    }
}

} // namespace

ScanOutcome AnalyseScan(const QImage& image, const ScanSettings& settings, CaptionReader& reader,
                        const ScanProgress& progress) {
    ScanOutcome outcome;
    if (!reader.IsReady()) {
        outcome.problem = ScanTexts::kNoReader;
        return outcome;
    }
    auto report = [&](int done, int steps) {
        if (progress) progress(done, steps);
    };
    report(0, 3);
    std::optional<StraightScan> straight = Straighten(image, settings, &outcome.problem);
    if (!straight) return outcome;
    report(1, 3);
    Layout layout = FindLayout(straight->work);
    std::sort(layout.blanks.begin(), layout.blanks.end(), [](const FoundBlank& a, const FoundBlank& b) {
        return std::abs(a.rect.y - b.rect.y) > Px(2) ? a.rect.y < b.rect.y : a.rect.x < b.rect.x;
    });
    const int steps = 2 + int(layout.blanks.size());
    report(2, steps);

    ScanProposal proposal;
    const double scaleX = straight->pageMm.width() / (straight->work.cols / kWorkPxPerMm);
    const double scaleY = straight->pageMm.height() / (straight->work.rows / kWorkPxPerMm);
    int done = 2;
    for (const FoundBlank& blank : layout.blanks) {
        ProposedBox box;
        box.shape = blank.shape;
        box.kind = blank.shape == BlankShape::Square ? BoxKind::Check : BoxKind::Text;
        box.cells = blank.cells;
        box.mm = QRectF(Mm(blank.rect.x) * scaleX, Mm(blank.rect.y) * scaleY, Mm(blank.rect.width) * scaleX,
                        Mm(blank.rect.height) * scaleY);
        const CaptionPlace place = PlaceOfCaption(layout, blank);
        double trust = 0.3;
        if (!place.rect.empty()) {
            const CaptionReading reading = reader.Read(Crop(straight->work, place.rect));
            box.label = LabelFromCaption(reading.text);
            trust = reading.confidence;
            // Only the character itself names a date part; anything else read there
            // is not a date part, and the caption left of the line names the blank.
            if (place.datePart && box.label != u"年" && box.label != u"月" && box.label != u"日") {
                const cv::Rect left = !blank.caption.empty()
                                          ? blank.caption
                                          : TextLeftOf(layout, blank.rect, blank.rect.y, Bottom(blank.rect) + Px(1.5));
                box.label.clear();
                if (!left.empty()) {
                    const CaptionReading other = reader.Read(Crop(straight->work, left));
                    box.label = LabelFromCaption(other.text);
                    trust = other.confidence;
                }
            }
        }
        box.confidence = trust * ShapeTrust(blank.shape);
        if (box.kind == BoxKind::Text) box.dataType = GuessDataType(box.label, blank.shape, blank.cells);
        proposal.boxes.append(box);
        report(++done, steps);
    }
    ProposeProducts(proposal.boxes);
    MakeLabelsUnique(proposal.boxes);
    proposal.picture = std::move(straight->picture);
    proposal.pageMm = straight->pageMm;
    proposal.skewDegrees = straight->skewDegrees;
    proposal.perspective = straight->perspective;
    outcome.proposal = std::move(proposal);
    return outcome;
}

ScanOutcome AnalyseScanFile(const QString& path, const ScanSettings& settings, CaptionReader& reader,
                            const ScanProgress& progress) {
    QImageReader file(path);
    file.setAutoTransform(true);
    const QImage image = file.read();
    if (image.isNull()) {
        ScanOutcome outcome;
        outcome.problem = ScanTexts::kUnreadable.arg(path);
        return outcome;
    }
    return AnalyseScan(image, settings, reader, progress);
}
