#include "designer/TextInputBox.h"

#include "content/DataTypes.h"
#include "content/layout/BoxFont.h"
#include "designer/DesignOutline.h"

#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

TextInputBox::TextInputBox(QWidget* canvas) : InputBox(BoxKind::Text, canvas) {
    setObjectName(QStringLiteral("TextBox"));
    editor_ = new QPlainTextEdit(this);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->document()->setDocumentMargin(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    WatchInput(editor_);
    WatchInput(editor_->viewport());
    setFocusProxy(editor_);
    outline_ = new DesignOutline(this);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_) Q_EMIT ContentEdited(this);
    });
}

void TextInputBox::ApplyRecord(const BoxRecord& record) {
    InputBox::ApplyRecord(record);
    editor_->setFont(font());
    textColor_ = RecordColor(record.color);
    bordered_ = HasSingleBorder(record.cash);
    QTextOption option = editor_->document()->defaultTextOption();
    option.setAlignment(HorizontalAlignment(record.AlignmentCode()));
    editor_->document()->setDefaultTextOption(option);
    UpdateLook();
}

QString TextInputBox::Content() const {
    return editor_->toPlainText();
}

void TextInputBox::ShowContent(const QString& text) {
    showing_ = true;
    editor_->setPlainText(text);
    showing_ = false;
}

bool TextInputBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::FocusIn) {
        atFocus_ = Content();
        // Reached by Tab, the box's text is taken whole so that typing replaces it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) editor_->selectAll();
    }
    if (watched == editor_ && event->type() == QEvent::FocusOut) Q_EMIT EditingFinished(this);
    return InputBox::eventFilter(watched, event);
}

void TextInputBox::ShowSelection(bool) {
    UpdateLook();
}

void TextInputBox::SetTint(const QColor& tint) {
    if (tint == tint_) return;
    tint_ = tint;
    UpdateLook();
}

void TextInputBox::UpdateLook() {
    const QColor background = IsSelected() ? QColor(208, 208, 208)
                              : tint_.isValid() ? tint_
                                                : QColor(Qt::white);
    editor_->setFrameShape(bordered_ ? QFrame::Box : QFrame::NoFrame);
    outline_->setVisible(!bordered_); // a bordered type shows its own frame
    editor_->setLineWidth(1);
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, textColor_);
    editor_->setPalette(palette);
}
