#include "designer/DesignerView.h"

#include "aids/AidContext.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/FormSizeDialog.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/PageSizeRules.h"
#include "designer/ViewportScrolling.h"
#include "core/Asker.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

DesignerView::DesignerView(QWidget* parent) : QWidget(parent) {
    BuildViewport();
    BuildMenus();
    BuildUndo();
}

// The boxes go first, while the view is whole: a box losing the focus as it is
// destroyed must find nothing of the view to call.
DesignerView::~DesignerView() {
    if (document_) document_->disconnect(this);
    DestroyBoxes();
}

void DesignerView::BuildViewport() {
    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("PFrm"));
    frame_->setFrameShape(QFrame::NoFrame);
    frame_->setBackgroundRole(QPalette::Dark);
    frame_->setAutoFillBackground(true);
    frame_->setMinimumSize(100, 100);
    frame_->installEventFilter(this);
    canvas_ = new PageCanvas(frame_);
    canvas_->installEventFilter(this);
    vertical_ = new QScrollBar(Qt::Vertical, this);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    vertical_->setEnabled(false);
    horizontal_->setEnabled(false);
    connect(vertical_, &QScrollBar::valueChanged, this, &DesignerView::ScrollTo);
    connect(horizontal_, &QScrollBar::valueChanged, this, &DesignerView::ScrollTo);

    auto* buttons = new QHBoxLayout;
    const QStringList texts = {DesignerText::kZoomIn, DesignerText::kZoomOut, DesignerText::kFitWidth};
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Zm"));
        button->setProperty("index", i);
        button->setText(texts[i]);
        connect(button, &QToolButton::clicked, this, [this, i] { Zoom(i); });
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addLayout(buttons, 0, 0, 1, 2);
    grid->addWidget(frame_, 1, 0);
    grid->addWidget(vertical_, 1, 1);
    grid->addWidget(horizontal_, 2, 0);
}

void DesignerView::SetAsker(Asker* asker) { asker_ = asker; }
void DesignerView::SetProgress(Progress* progress) { progress_ = progress; }
void DesignerView::SetEntryContext(std::function<AidContext()> context) { entryContext_ = std::move(context); }
AidContext DesignerView::EntryContext() const { return entryContext_ ? entryContext_() : AidContext(); }
void DesignerView::SetParamStore(ParamStore* params) { params_ = params; }

void DesignerView::Rebuild() {
    if (!format_) return;
    LoadBackground();
    FitPageToViewport();
    ApplyOptions();
}

void DesignerView::ApplyOptions() {
    if (!format_) return;
    const auto& boxes = format_->page.options.optionBoxes;
    canvas_->SetShowRulers(boxes[kShowRulers] != 0);
    canvas_->SetShowBackground(boxes[kShowBackground] != 0);
    ShowCaptions();
    UpdateMenuStates();
}

void DesignerView::SetOption(int index, bool on) {
    if (!format_ || index < 0 || index >= int(format_->page.options.optionBoxes.size())) return;
    PageParams page = format_->page;
    page.options.optionBoxes[index] = on ? 1 : 0;
    document_->SetPage(page); // shown as the document signals it
}

bool DesignerView::IsLocked() const {
    return format_ && format_->page.options.optionBoxes[kLocked] != 0;
}

double DesignerView::CanvasWidthTwips() const { return canvas_->CanvasWidth(); }

double DesignerView::ViewportWidthTwips() const {
    return frame_->width() * canvas_->TwipsPerPixel();
}

void DesignerView::FitPageToViewport() {
    if (!format_ || !(format_->page.width > 0) || !(format_->page.height > 0)) {
        DestroyBoxes(); // no page to place them on
        return;
    }
    const double tpp = canvas_->TwipsPerPixel();
    canvas_->SetPage(format_->page.width, format_->page.height, frame_->width() * tpp);
    const ScrollRange v = FitVerticalRange(canvas_->CanvasHeight(), frame_->height() * tpp);
    ApplyScrollRanges(v.maximum, v.enabled, 0, false, 0);
    lastViewportWidth_ = frame_->width();
    RebuildBoxes();
}

void DesignerView::ZoomCanvas(double delta) {
    if (!format_ || !(canvas_->CanvasWidth() > 0)) return;
    const double newWidth = canvas_->CanvasWidth() * (1 + delta);
    if (!std::isfinite(newWidth) || newWidth <= 0) return;
    const double tpp = canvas_->TwipsPerPixel();
    const double oldLeft = canvas_->x() * tpp;
    canvas_->hide();
    canvas_->SetPage(format_->page.width, format_->page.height, newWidth);
    const ScrollRange v = ZoomVerticalRange(canvas_->CanvasHeight(), frame_->height() * tpp);
    const ScrollRange h = ZoomHorizontalRange(newWidth, frame_->width() * tpp, oldLeft);
    ApplyScrollRanges(v.maximum, v.enabled, h.maximum, h.enabled, h.value);
    RebuildBoxes();
    canvas_->show();
}

void DesignerView::Zoom(int buttonIndex) {
    switch (buttonIndex) {
    case 0: ZoomCanvas(0.1); break;
    case 1: ZoomCanvas(-0.1); break;
    case 2: {
        const double width = canvas_->CanvasWidth();
        if (width > 0) ZoomCanvas(-(width - ViewportWidthTwips()) / width);
        break;
    }
    default: break;
    }
}

void DesignerView::RedrawCanvas() {
    ApplyOptions();
    canvas_->update();
}

void DesignerView::SetPageSize(QSizeF sizeMm) {
    if (!format_ || !IsValidPageRatio(sizeMm.width(), sizeMm.height())) return;
    PageParams page = format_->page;
    page.width = sizeMm.width();
    page.height = sizeMm.height();
    document_->SetPage(page); // the page is fitted again as the document signals it
}

bool DesignerView::EditPageSize() {
    if (!format_ || !asker_) return false;
    const auto size = AskPageSize(*asker_, QSizeF(format_->page.width, format_->page.height), this);
    if (!size) return false;
    SetPageSize(*size);
    return true;
}

void DesignerView::ApplyScrollRanges(int vertical, bool verticalOn, int horizontal,
                                     bool horizontalOn, int horizontalValue) {
    const QSignalBlocker blockV(vertical_), blockH(horizontal_);
    vertical_->setRange(0, verticalOn ? vertical : 0);
    vertical_->setValue(0);
    vertical_->setEnabled(verticalOn);
    horizontal_->setRange(0, horizontalOn ? horizontal : 0);
    horizontal_->setValue(horizontalOn ? horizontalValue : 0);
    horizontal_->setEnabled(horizontalOn);
    vertical_->setPageStep(1);
    horizontal_->setPageStep(1);
    ScrollTo();
}

// One bar step moves the canvas by a fifth of the viewport.
void DesignerView::ScrollTo() {
    const int left = int(std::lround(ScrollOffset(horizontal_->value(), frame_->width())));
    const int top = int(std::lround(ScrollOffset(vertical_->value(), frame_->height())));
    canvas_->move(left, top);
}

// The page keeps its share of the viewport width when the window is resized.
void DesignerView::FollowViewportResize(int oldWidthPixels) {
    if (!format_ || oldWidthPixels <= 0 || !(canvas_->CanvasWidth() > 0)) return;
    const double ratio = double(frame_->width()) / oldWidthPixels;
    if (ratio == 1.0) return;
    ZoomCanvas(ratio - 1.0);
}

bool DesignerView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        if (watched == canvas_) {
            if (event->type() != QEvent::KeyPress) break;
            const auto* key = static_cast<QKeyEvent*>(event);
            // Arrows arrange boxes only when boxes are selected.
            const bool selected = document_ && !document_->Selection().isEmpty();
            if (selected && NudgeKey(key->key(), key->modifiers())) return true;
            break;
        }
        // A box's parts: the box itself or one of its inputs.
        for (QObject* object = watched; object && object != canvas_; object = object->parent())
            if (auto* box = qobject_cast<InputBox*>(object))
                return BoxPartEvent(box, static_cast<QWidget*>(watched), event);
        break;
    default: break;
    }
    if (watched == frame_) {
        if (event->type() == QEvent::Resize) {
            const int old = lastViewportWidth_;
            lastViewportWidth_ = frame_->width();
            FollowViewportResize(old);
        } else if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            const int steps = wheel->angleDelta().y() / 120;
            if (vertical_->isEnabled() && steps != 0) vertical_->setValue(vertical_->value() - steps);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
