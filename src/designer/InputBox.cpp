#include "designer/InputBox.h"

#include "content/layout/BoxFont.h"
#include "designer/SelectionMark.h"
#include "store/PackedSpacing.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

qint64 RecordFromColor(const QColor& color) {
    return qint64(color.red()) | (qint64(color.green()) << 8) | (qint64(color.blue()) << 16);
}

Qt::Alignment HorizontalAlignment(int alignmentCode) {
    switch (static_cast<Alignment>(alignmentCode)) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Centre: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

QFont FontFromRecord(const BoxRecord& record) {
    const BoxFont box = BoxFontOf(record);
    QFont font(box.name);
    font.setPointSizeF(box.designSize);
    font.setBold(box.bold);
    font.setItalic(box.italic);
    font.setUnderline(box.underline);
    font.setStrikeOut(box.strikeout);
    return font;
}

InputBox::InputBox(BoxKind kind, QWidget* canvas) : QWidget(canvas), kind_(kind) {
    // A click gives the box the keys, so the arrow keys can move it.
    setFocusPolicy(Qt::ClickFocus);
    if (kind == BoxKind::Text || kind == BoxKind::Check || kind == BoxKind::Picture) {
        caption_ = new QLabel(canvas);
        caption_->setObjectName(QStringLiteral("LL"));
        caption_->setTextFormat(Qt::PlainText);
        caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

InputBox::~InputBox() {
    delete caption_;
}

void InputBox::SetIdentity(qint64 id, int number) {
    id_ = id;
    number_ = number;
}

void InputBox::SetTwips(const QRect& twips) {
    twips_ = twips;
    LayOut();
}

void InputBox::LayOut() {
    const QRect twips = twips_;
    const double tpp = environment_.twipsPerPixel;
    setGeometry(int(std::lround(twips.x() / tpp)), int(std::lround(twips.y() / tpp)),
                int(std::lround(twips.width() / tpp)), int(std::lround(twips.height() / tpp)));
    PlaceCaption();
}

void InputBox::ApplyRecord(const BoxRecord& record) {
    dir_ = record.dir;
    setFont(FontFromRecord(record));
    if (caption_) {
        caption_->setText(record.label);
        caption_->adjustSize();
        PlaceCaption();
    }
}

void InputBox::SetBarcodeStandard(BarcodeStandard standard) {
    environment_.barcodeStandard = standard;
    update();
}

void InputBox::PlaceCaption() {
    if (!caption_) return;
    const QRect box = geometry();
    // Sized to its text when the text was set (ApplyRecord).
    const QSize size = caption_->size();
    const int inset = int(std::lround(40 / environment_.twipsPerPixel));
    QPoint at;
    switch (dir_) {
    case 1: at = {box.left() - size.width(), box.top() + inset}; break;
    case 2: at = {box.left() + box.width(), box.top() + inset}; break;
    case 3: at = {box.left(), box.top() + box.height()}; break;
    default: at = {box.left(), box.top() - size.height()}; break;
    }
    caption_->setGeometry(QRect(at, size));
}

void InputBox::SetSelected(bool selected) {
    selected_ = selected;
    ShowSelection(selected);
    ShowMark();
}

void InputBox::SetCurrent(bool current) {
    current_ = current;
    ShowMark();
}

void InputBox::ShowMark() {
    if (kind_ == BoxKind::Line) return;
    if (!mark_ && (selected_ || current_)) mark_ = new SelectionMark(this);
    if (mark_) mark_->Show(selected_, current_);
}

void InputBox::WatchInput(QWidget* input) {
    input->installEventFilter(this);
    inputs_.append(input);
}

QList<QWidget*> InputBox::Parts() const {
    QList<QWidget*> parts{const_cast<InputBox*>(this)};
    parts += inputs_;
    return parts;
}

bool InputBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ControlModifier)) {
            Q_EMIT CtrlClicked(this);
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu) {
        Q_EMIT MenuRequested(this, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Mouse events end at the box: passed on, they would reach the canvas as if the
// empty page had been clicked.
void InputBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier))
        Q_EMIT CtrlClicked(this);
    event->accept();
}

void InputBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void InputBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void InputBox::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT MenuRequested(this, event->globalPos());
}
