#pragma once
// The designer the main window embeds: the viewport `PFrm` with the canvas `PG`, the
// zoom buttons `Zm`, the scroll bars, the input boxes of the open format and their
// popup menus. The Format and Bill it is given are the authority: every change on
// screen is written to the box's record (in mm) or to the bill at once, and signalled.
#include "content/ConversionSettings.h"

#include <QList>
#include <QPoint>
#include <QSizeF>
#include <QWidget>
#include <array>

class Asker;
class Bill;
class InputBox;
class PageCanvas;
class Progress;
class QAction;
class QFrame;
class QMenu;
class QScrollBar;
struct BoxRecord;
struct Format;
struct TableSpec;

class DesignerView : public QWidget {
    Q_OBJECT
public:
    explicit DesignerView(QWidget* parent = nullptr);
    ~DesignerView() override;

    // Context. The view keeps the pointers; the window owns the objects. A new
    // format removes the old boxes; Rebuild() then shows it.
    void SetFormat(Format* format);
    void SetBill(Bill* bill);
    void SetAsker(Asker* asker);
    void SetProgress(Progress* progress);
    void SetLineBreakMarker(const QString& marker);
    void SetConversionSettings(const ConversionSettings& settings);

    // After a format was opened (records and bill in place): loads its background
    // picture, applies its option boxes, fits the page and builds the boxes. An
    // unlabelled text box the bill holds nothing for shows its fixed text (`mem`).
    void Rebuild();
    // Option boxes O2 as the format's PageOptions hold them: rulers, background, lock.
    void ApplyOptions();
    void SetOption(int index, bool on);
    bool IsLocked() const;

    // Geometry, zoom and scrolling.
    void FitPageToViewport();
    void ZoomCanvas(double delta);
    void Zoom(int buttonIndex); // Zm(0) +10 %, Zm(1) -10 %, Zm(2) fit width
    void RedrawCanvas();
    // A new page size (mm): box positions in mm stay, every box is rebuilt.
    void SetPageSize(QSizeF sizeMm);
    // The page-size dialog FormSize; true when the size changed.
    bool EditPageSize();
    double CanvasWidthTwips() const;
    double ViewportWidthTwips() const;

    // Boxes.
    void RebuildBoxes();
    // kind -1 asks. A point of (0, 0) keeps the template position. nullptr when
    // cancelled or the kind is full.
    InputBox* AddBox(int kind, QPoint canvasTwips = {});
    void DeleteSelectedBoxes();
    // Records first..last (0-based, both included), after asking; true when deleted.
    bool DeleteBoxRows(int first, int last);
    void CopyBoxes();
    void ClearContents();
    // "添加表格": the dialog, then the lines.
    void AddTable();
    int RuleTableLines(const TableSpec& spec);

    QString GetBoxContent(qint64 id) const;
    // Box filling: line-break marker and data-type conversion for text boxes.
    void SetBoxContent(qint64 id, const QString& text);

    QList<InputBox*> Boxes() const { return boxes_; }
    InputBox* BoxByNumber(int number) const;
    InputBox* BoxById(qint64 id) const;
    InputBox* CurrentBox() const;
    void SetCurrentBox(InputBox* box);
    void ToggleSelected(InputBox* box);
    void ClearSelection();

    // Current box's picture (mAddPic) and barcode (mInputBarCode).
    void AddPictureToCurrentBox();
    void InputBarcodeToCurrentBox();
    // Background picture (mModiBackgroundPic, mClearBackPic).
    void ReplaceBackground();
    void ClearBackground();

    PageCanvas* Canvas() const { return canvas_; }
    QMenu* BoxMenu() const { return boxMenu_; }       // m_CtlSet
    QMenu* CanvasMenu() const { return canvasMenu_; } // mPicGraph
    // Where the canvas menu was opened, in canvas twips.
    QPoint MenuPoint() const { return menuPoint_; }

Q_SIGNALS:
    // Records were added or removed (the box grid must be refilled).
    void RecordsChanged();
    // One record's columns changed.
    void RecordChanged(qint64 id);
    // A box's content in the bill changed.
    void ContentChanged(qint64 id);
    void BackgroundChanged();
    // The page size (format->page.width/height) changed.
    void PageChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout and scrolling (DesignerView.cpp).
    void BuildViewport();
    void ScrollTo();
    void ApplyScrollRanges(int vertical, bool verticalOn, int horizontal, bool horizontalOn,
                           int horizontalValue);
    void FollowViewportResize(int oldWidthPixels);

    // Box lifetime (DesignerBoxes.cpp).
    void DestroyBoxes();
    InputBox* CreateBox(const BoxRecord& record);
    InputBox* AddRecord(BoxRecord record);
    bool KindIsFull(int kind);
    void WireBox(InputBox* box);
    void OnContentEdited(InputBox* box);
    void OnEditingFinished(InputBox* box);
    void StoreContent(InputBox* box);
    void WriteBackPlace(InputBox* box);
    void ShowCaptions();
    QList<InputBox*> BoxesToActOn() const;
    BoxRecord* RecordOf(const InputBox* box) const;

    // Menus (DesignerMenus.cpp).
    void BuildMenus();
    QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& text);
    void ShowBoxMenu(InputBox* box, const QPoint& globalPos);
    void ShowCanvasMenu(const QPoint& twips, const QPoint& globalPos);
    void UpdateMenuStates();
    void CopyText();
    void PasteText();

    // Background picture (DesignerBackground.cpp).
    void LoadBackground();
    QString BackgroundPath() const;

    Format* format_ = nullptr;
    Bill* bill_ = nullptr;
    Asker* asker_ = nullptr;
    Progress* progress_ = nullptr;
    QString lineBreakMarker_ = QStringLiteral("//");
    ConversionSettings settings_;

    QFrame* frame_ = nullptr;
    PageCanvas* canvas_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    int lastViewportWidth_ = 0;

    QList<InputBox*> boxes_;
    std::array<int, 5> counts_{};
    qint64 currentId_ = 0;

    QMenu* boxMenu_ = nullptr;
    QMenu* canvasMenu_ = nullptr;
    QPoint menuPoint_;
};
