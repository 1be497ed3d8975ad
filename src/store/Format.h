#pragma once
// The in-memory format: page parameters and box records. This is the model every
// layer reads; the designer's widgets and the main window's box grid only show it.
#include "store/BoxLinks.h"
#include "symbols/BarcodeStandard.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <array>

// Box kinds, the `Clas` column.
enum class BoxKind { Text = 0, Check = 1, Picture = 2, Line = 3, Label = 4 };
inline constexpr int kBoxKindCount = 5;

// The `LBL` of a format's page-parameter row.
inline const QString kPageParamsLabel = QStringLiteral("【§单据整体格式参数§】");

// Boxes added in the designer carry a temporary ID from this number up until the
// format is saved; real IDs come from the database and stay far below it.
inline constexpr qint64 kFirstTemporaryId = 1'000'000'000;
inline bool IsTemporaryId(qint64 id) { return id >= kFirstTemporaryId; }

// One input box of a format (one `Fmt` row). Lengths are millimetres on paper.
struct BoxRecord {
    qint64 id = 0;
    QString label;          // LBL
    BoxKind kind = BoxKind::Text; // Clas
    int dir = 0;            // Dir: 0 above, 1 left, 2 right, 3 below
    double x = 0, y = 0;    // X, Y (line: start point)
    double w = 0, h = 0;    // W, H (line: end point)
    double s = 0;           // S: character spacing
    double l = 0;           // L: alignment * 1000 + line spacing
    qint64 color = 0;       // Color: 24-bit RGB, red in the low byte
    QString fontName;       // fName
    double fontSize = 0;    // fSize (line: line width)
    bool bold = false, italic = false, underline = false, strikeout = false;
    double cash = 0;        // Cash: data type (line: style; label: border and alignment)
    double rctl = 0;        // RCtl: linked box
    double sumId = 0;       // SumID: box this one adds into (sign and fraction carry flags)
    double sumId1 = 0;      // SumID1
    qint64 rctl1 = 0;       // RCtl1: second related box
    QString mem;            // Mem: fixed content of an unlabelled text box

    // An unlabelled text box holds fixed text (kept in `mem`), not bill data.
    bool HoldsFixedText() const { return kind == BoxKind::Text && label.isEmpty(); }

    // Typed views of the packed columns; use these rather than decoding the numbers.
    BoxRelation Relation() const { return RelationFromCode(rctl); }
    BoxRelation SecondRelation() const { return RelationFromCode(double(rctl1)); }
    SumTarget Sum() const { return SumTargetFromCode(sumId); }
    SumTarget SecondSum() const { return SumTargetFromCode(sumId1); }
    void SetRelation(BoxRelation relation) { rctl = RelationCode(relation.id, relation.related); }
    void SetSecondRelation(BoxRelation relation) {
        rctl1 = qint64(RelationCode(relation.id, relation.related));
    }
    void SetSum(SumTarget target) { sumId = SumTargetCode(target.id, target.multiply, target.negate); }
    void SetSecondSum(SumTarget target) {
        sumId1 = SumTargetCode(target.id, target.multiply, target.negate);
    }
    // `L`: 0 left, 1 right, 2 centre; the line spacing in millimetres.
    int AlignmentCode() const;
    double LineSpacing() const;
    void SetSpacing(int alignmentCode, double lineSpacingMm);
    bool operator==(const BoxRecord&) const = default;
};

// The per-format options kept in the page-parameter `Mem`, in item order.
struct PageOptions {
    bool setPaper = false;                 // 0 set the printer's paper to the page size
    bool printBackground = false;          // 1 print with the background picture
    std::array<int, 5> optionBoxes{};      // 2..6 the window's five option boxes O2(0..4)
    bool printRulers = false;              // 7 print ruler coordinates
    bool monthZero = false;                // 8 add 零 to Chinese month names
    QString currency = QStringLiteral("￥"); // 9 currency symbol
    bool autoJump = false;                 // 10 jump to the next page of a multi-page bill
    bool clearAfterPrint = false;          // 11 clear the boxes after printing
    QString passwordArea;                  // 12 invoice password area, four values joined by {[]}
    bool keepPictures = false;             // 13 do not clear picture boxes
    bool autoFontSize = false;             // 14 shrink the font when text does not fit
    BarcodeStandard barcodeStandard = BarcodeStandard::Code39; // 15

    bool operator==(const PageOptions&) const = default;
};

// Indexes of the option boxes O2.
enum OptionBox { kShowRulers = 0, kLengthwise = 1, kLocked = 2, kCentreFed = 3, kShowBackground = 4 };

struct PageParams {
    double width = 0, height = 0;     // W, H in mm
    double offsetX = 10, offsetY = 10; // X, Y: print offsets + 10
    qint64 designScreenWidth = 0;     // Color: screen width in twips when last saved; 0 = 15360
    PageOptions options;

    bool operator==(const PageParams&) const = default;
};

struct Format {
    QString name;
    PageParams page;
    QList<BoxRecord> boxes; // the box grid: ordered by kind, then ID

    const BoxRecord* FindBox(qint64 id) const;
    BoxRecord* FindBox(qint64 id);
    // The next temporary ID for a box added in the designer.
    qint64 NextTemporaryId() const;
};

// The page-parameter `Mem`: 16 items, each followed by "|".
QString EncodePageOptions(const PageOptions& options);
// Applies a stored `Mem` over `options` with the thresholds of shorter, older lists:
// fewer than 8 pieces change nothing; later items apply only when present.
void DecodePageOptions(const QString& mem, PageOptions& options);

// (current screen width - 340) / (design width - 340); the design width 0 stands for 15360.
double DisplayFactor(qint64 designScreenWidth, qint64 currentScreenWidth);
// Font size as shown on this screen: integer rounding of size * factor * 100, over 100.
double ScaledFontSize(double size, double factor);

// Caption placement words of the box grid's `Dir` column.
QString DirWord(int dir);
int DirFromWord(const QString& word); // any other text is 0

// A link column (RCtl, SumID, SumID1, RCtl1) names a box by the whole part of its
// absolute value; the sign and the fraction carry options. Rewrites the box ID and
// keeps both.
qint64 LinkTarget(double link);
double RetargetLink(double link, qint64 newId);
