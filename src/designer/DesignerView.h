#pragma once
// The designer the main window embeds: the viewport `PFrm` with the canvas `PG`, the
// zoom buttons `Zm`, the scroll bars, the input boxes of the open format and their
// popup menus. It is a view of a FormatDocument: every change made on screen goes to
// the document as an edit of the records (in mm) or the contents, and the boxes follow
// the document's change signals, one record at a time.
#include "designer/DragMode.h"
#include "document/RecordChange.h"
#include "store/Format.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Asker;
struct AidContext;
class FormatDocument;
class InputBox;
class LineInputBox;
class PageCanvas;
class ParamStore;
class Progress;
class QAction;
class QFrame;
class QMenu;
class QRubberBand;
class QScrollBar;
class QUndoStack;
struct EditArea;
struct LineGrip;
struct TableSpec;


class DesignerView : public QWidget {
    Q_OBJECT
public:
    explicit DesignerView(QWidget* parent = nullptr);
    ~DesignerView() override;

    // Context. The view keeps the pointers; the window owns the objects. The view
    // follows the document: a newly opened format is shown at once.
    void SetDocument(FormatDocument* document);
    FormatDocument* Document() const { return document_; }
    void SetAsker(Asker* asker);
    void SetProgress(Progress* progress);
    // What values entering the bill need (database, line-break marker, conversion
    // settings), asked for each time; without it: no database, default settings.
    void SetEntryContext(std::function<AidContext()> context);
    // Where the text-box editor keeps the format's custom data types ("自定义").
    void SetParamStore(ParamStore* params);

    // Shows the document's format: loads its background picture, applies its option
    // boxes, fits the page and builds the boxes. Runs whenever a format is opened.
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

    QList<InputBox*> Boxes() const { return boxes_; }
    InputBox* BoxByNumber(int number) const;
    InputBox* BoxById(qint64 id) const;
    InputBox* CurrentBox() const;
    void SetCurrentBox(InputBox* box);
    void ToggleSelected(InputBox* box);
    void ClearSelection();
    // Without Ctrl every box's selection becomes whether it meets the band between
    // the corners (canvas twips); with Ctrl the boxes meeting it are added.
    void SelectInRectangle(QPoint corner1, QPoint corner2, bool ctrl);

    // Arranging. The view maps the pointer's and the keys' canvas twips to millimetres
    // and hands them to the document's editing operations (document/BoxEditing.h),
    // which keep the boxes on the page and make each edit one undo step. Moving and
    // resizing act on the selected boxes and the current box.
    void MoveBoxes(int dx, int dy);
    void ResizeBoxes(int dw, int dh);
    // Arrow keys: move; Shift: resize; Ctrl: font size of the selected boxes. True
    // when the key was used. Nothing while the format is locked.
    bool NudgeKey(int key, Qt::KeyboardModifiers modifiers);
    // The main menu's align and same-size entries (AlignMode of document/BoxAlignment.h),
    // with the mm prompt.
    void AlignBoxes(int mode);
    // The value in mm the prompt of AlignBoxes proposes: the reference over the
    // selected boxes to two decimals; nullopt when no box takes part.
    std::optional<double> AlignProposal(int mode) const;
    // "统一尺寸": same height, then same width.
    void AlignSameSize();
    // Spaces the selected boxes evenly across (horizontal) or down; says so when fewer
    // than three are selected.
    void DistributeBoxes(bool horizontal);
    // "检查凭据外内容框": boxes lying off the page are pulled back onto it (not while
    // the format is locked). How many were pulled back.
    int PullBoxesOntoPage();
    // The pointer mode of the last hover or drag.
    DragMode PointerMode() const { return dragMode_; }

    // The property dialog of the box's kind (EditCtl, ProChk, ProPic, ProLine,
    // ProLBL); OK writes the records and rebuilds their boxes.
    void EditBoxProperties(InputBox* box);
    void EditCurrentBoxProperties(); // mCtlSet

    // Undo and redo of box edits within the open format (the document's steps).
    QUndoStack* UndoStack() const;
    QAction* UndoAction() const { return undoAction_; } // Ctrl+Z
    QAction* RedoAction() const { return redoAction_; } // Ctrl+Y
    void Undo();
    void Redo();

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
    void BackgroundChanged();
    // The page size changed in the document and the page was fitted again.
    void PageChanged();
    // The user left a text box or ticked a check box; its value has entered the bill
    // (converted once, the entry aids after it).
    void BoxEdited(qint64 id);

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
    void Renumber();
    bool KindIsFull(int kind);
    void WireBox(InputBox* box);
    void OnContentEdited(InputBox* box);
    void OnEditingFinished(InputBox* box);
    // The box's text enters the bill; the aids run when it differs from `held`.
    void LeaveBox(InputBox* box, const std::optional<QString>& held);
    AidContext EntryContext() const;
    void StoreContent(InputBox* box);
    void ShowCaptions();
    QList<InputBox*> BoxesToActOn() const;
    const BoxRecord* RecordOf(const InputBox* box) const;

    // Following the document (DesignerDocument.cpp).
    void ConnectDocument();
    void OnRecordInserted(qint64 id, int row);
    void OnRecordRemoved(qint64 id);
    void OnRecordChanged(qint64 id, RecordParts what);
    void OnContentChanged(qint64 id);
    void OnSelectionChanged(qint64 id);
    void OnCurrentChanged(qint64 id);
    void OnPageChanged(PageParts what);

    // Menus (DesignerMenus.cpp).
    void BuildMenus();
    QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& text);
    void ShowBoxMenu(InputBox* box, const QPoint& globalPos);
    void ShowCanvasMenu(const QPoint& twips, const QPoint& globalPos);
    void UpdateMenuStates();
    void CopyText();
    void PasteText();

    // Dragging and nudging (DesignerDragging.cpp).
    bool BoxPartEvent(InputBox* box, QWidget* part, QEvent* event);
    void HoverBox(InputBox* box, QWidget* part, QPoint local);
    void DragBox(QPoint local);
    void FinishDrag();
    QPoint BoxLocalTwips(const InputBox* box, const QWidget* part, QPointF position) const;
    // The page in mm with the side check boxes take on this canvas.
    EditArea Area() const;
    // A travel in canvas twips as millimetres; see DesignerDragging.cpp.
    QPointF MmDelta(QPoint delta, bool resize) const;
    // The end of the line being dragged by its end point, if one is.
    LineGrip Grip() const;
    // The align prompt (DesignerAlign.cpp).
    std::optional<double> AskAlignValue(int mode);

    // Lines and the rubber band on the canvas (DesignerSelection.cpp).
    void CanvasPressed(QPoint twips, Qt::KeyboardModifiers modifiers);
    void CanvasMoved(QPoint twips, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void CanvasReleased();
    LineInputBox* LineAt(QPoint twips, DragMode* part) const;
    void ShowBand();

    // Undo (DesignerUndo.cpp).
    void BuildUndo();

    // Background picture (DesignerBackground.cpp).
    void LoadBackground();
    QString BackgroundPath() const;

    FormatDocument* document_ = nullptr;
    const Format* format_ = nullptr; // the document's, read-only
    
    Asker* asker_ = nullptr;
    Progress* progress_ = nullptr;
    std::function<AidContext()> entryContext_;

    QFrame* frame_ = nullptr;
    PageCanvas* canvas_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    int lastViewportWidth_ = 0;

    QList<InputBox*> boxes_; // in record order
    QHash<qint64, InputBox*> boxesById_;
    std::array<int, kBoxKindCount> counts_{};

    QMenu* boxMenu_ = nullptr;
    QMenu* canvasMenu_ = nullptr;
    QPoint menuPoint_;

    ParamStore* params_ = nullptr;

    // Dragging: the mode under the pointer, the box or line it concerns, the anchor
    // (box-local for boxes, canvas twips for lines) and whether the button is down.
    DragMode dragMode_ = DragMode::None;
    qint64 dragId_ = 0;
    QPoint anchor_;
    bool dragging_ = false;
    bool dragStarted_ = false; // the pointer went past the drag threshold
    // The rubber band between its two corners, canvas twips.
    QRubberBand* band_ = nullptr;
    bool banding_ = false;
    QPoint bandStart_, bandEnd_;

    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};
