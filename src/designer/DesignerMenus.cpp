// The box menu (m_CtlSet) and the canvas menu (mPicGraph) and their text items.
#include "designer/DesignerView.h"

#include "designer/BarcodeCheck.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/LabelInputBox.h"
#include "designer/LineInputBox.h"
#include "designer/PageCanvas.h"
#include "designer/PictureInputBox.h"
#include "document/FormatDocument.h"
#include "designer/TextInputBox.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

QAction* DesignerView::AddMenuItem(QMenu* menu, const QString& name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

void DesignerView::BuildMenus() {
    boxMenu_ = new QMenu(DesignerText::kBoxMenuTitle, this);
    boxMenu_->setObjectName(QStringLiteral("m_CtlSet"));
    connect(AddMenuItem(boxMenu_, QStringLiteral("mCopy"), DesignerText::kCopyText),
            &QAction::triggered, this, &DesignerView::CopyText);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mPaste"), DesignerText::kPasteText),
            &QAction::triggered, this, &DesignerView::PasteText);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mAddPic"), DesignerText::kAddPicture),
            &QAction::triggered, this, &DesignerView::AddPictureToCurrentBox);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mInputBarCode"), DesignerText::kInputBarcode),
            &QAction::triggered, this, &DesignerView::InputBarcodeToCurrentBox);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mCtlSet"), DesignerText::kBoxSettings),
            &QAction::triggered, this, &DesignerView::EditCurrentBoxProperties);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mAddCtl"), DesignerText::kAddBox),
            &QAction::triggered, this, [this] { AddBox(-1); });
    connect(AddMenuItem(boxMenu_, QStringLiteral("mCopyCtl"), DesignerText::kCopyBox),
            &QAction::triggered, this, &DesignerView::CopyBoxes);
    connect(AddMenuItem(boxMenu_, QStringLiteral("mDeleteCtl"), DesignerText::kDeleteBox),
            &QAction::triggered, this, &DesignerView::DeleteSelectedBoxes);
    // Box relations belong to the entry aids; they connect and enable these.
    AddMenuItem(boxMenu_, QStringLiteral("mRtlCtl"), DesignerText::kSameRing)->setEnabled(false);
    AddMenuItem(boxMenu_, QStringLiteral("mReCtlList"), DesignerText::kRelatedRing)->setEnabled(false);

    canvasMenu_ = new QMenu(DesignerText::kCanvasMenuTitle, this);
    canvasMenu_->setObjectName(QStringLiteral("mPicGraph"));
    connect(AddMenuItem(canvasMenu_, QStringLiteral("mCtlAdd"), DesignerText::kAddBox),
            &QAction::triggered, this, [this] { AddBox(-1, menuPoint_); });
    connect(AddMenuItem(canvasMenu_, QStringLiteral("mClearCtl"), DesignerText::kClearContents),
            &QAction::triggered, this, &DesignerView::ClearContents);
    connect(AddMenuItem(canvasMenu_, QStringLiteral("mModiBackgroundPic"), DesignerText::kReplaceBackground),
            &QAction::triggered, this, &DesignerView::ReplaceBackground);
    connect(AddMenuItem(canvasMenu_, QStringLiteral("mClearBackPic"), DesignerText::kClearBackground),
            &QAction::triggered, this, &DesignerView::ClearBackground);
    // Bills, history and entry aids belong to the window; it connects and enables these.
    canvasMenu_->addSeparator();
    AddMenuItem(canvasMenu_, QStringLiteral("mAddBills"), DesignerText::kAddNextBill)->setEnabled(false);
    AddMenuItem(canvasMenu_, QStringLiteral("mAddBillsAndPrint"), DesignerText::kPrintAndAddBill)->setEnabled(false);
    AddMenuItem(canvasMenu_, QStringLiteral("mAutoGetDate"), DesignerText::kAutoDate)->setEnabled(false);
    AddMenuItem(canvasMenu_, QStringLiteral("mAutoCreatePSD"), DesignerText::kAutoPassword)->setEnabled(false);

    connect(canvas_, &PageCanvas::MenuRequested, this, &DesignerView::ShowCanvasMenu);
    connect(canvas_, &PageCanvas::Pressed, this, &DesignerView::CanvasPressed);
    connect(canvas_, &PageCanvas::Moved, this, &DesignerView::CanvasMoved);
    connect(canvas_, &PageCanvas::Released, this, &DesignerView::CanvasReleased);
}

// Items that change the format are off while it is locked.
void DesignerView::UpdateMenuStates() {
    const bool editable = !IsLocked();
    for (const char* name : {"mCtlSet", "mAddCtl", "mCopyCtl", "mDeleteCtl"})
        boxMenu_->findChild<QAction*>(QLatin1String(name))->setEnabled(editable);
    for (const char* name : {"mCtlAdd", "mModiBackgroundPic", "mClearBackPic"})
        canvasMenu_->findChild<QAction*>(QLatin1String(name))->setEnabled(editable);
}

void DesignerView::ShowBoxMenu(InputBox* box, const QPoint& globalPos) {
    SetCurrentBox(box);
    const bool picture = box->Kind() == BoxKind::Picture;
    const bool text = box->Kind() == BoxKind::Text || box->Kind() == BoxKind::Label;
    boxMenu_->findChild<QAction*>(QStringLiteral("mAddPic"))->setVisible(picture);
    boxMenu_->findChild<QAction*>(QStringLiteral("mInputBarCode"))->setVisible(picture);
    boxMenu_->findChild<QAction*>(QStringLiteral("mCopy"))->setEnabled(text);
    boxMenu_->findChild<QAction*>(QStringLiteral("mPaste"))->setEnabled(text);
    UpdateMenuStates();
    boxMenu_->popup(globalPos);
}

// Lines take no mouse input of their own: a right-click on one opens its box menu.
void DesignerView::ShowCanvasMenu(const QPoint& twips, const QPoint& globalPos) {
    if (!IsLocked()) {
        for (InputBox* box : boxes_) {
            auto* line = qobject_cast<LineInputBox*>(box);
            if (line && line->Hits(twips)) {
                ShowBoxMenu(line, globalPos);
                return;
            }
        }
    }
    menuPoint_ = twips;
    UpdateMenuStates();
    canvasMenu_->popup(globalPos);
}

void DesignerView::CopyText() {
    InputBox* box = CurrentBox();
    QString text;
    if (auto* textBox = qobject_cast<TextInputBox*>(box)) {
        text = textBox->Editor()->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
        if (text.isEmpty()) text = textBox->Content();
    } else if (auto* label = qobject_cast<LabelInputBox*>(box)) {
        text = label->Text();
    } else {
        return;
    }
    QApplication::clipboard()->setText(text);
}

void DesignerView::PasteText() {
    InputBox* box = CurrentBox();
    const QString text = QApplication::clipboard()->text();
    if (auto* textBox = qobject_cast<TextInputBox*>(box)) {
        textBox->Editor()->insertPlainText(text); // reports the edit to the bill itself
    } else if (auto* label = qobject_cast<LabelInputBox*>(box)) {
        if (IsLocked()) return;
        if (const BoxRecord* current = RecordOf(label)) {
            BoxRecord record = *current;
            record.label = text;
            document_->ChangeRecord(record, DesignerText::kStepLabelText);
        }
    }
}

void DesignerView::AddPictureToCurrentBox() {
    auto* box = qobject_cast<PictureInputBox*>(CurrentBox());
    if (!box || !asker_) return;
    const QString path = asker_->ChooseOpenFile(DesignerText::kAddPicture.simplified(),
                                                DesignerText::kPictureFilter);
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        asker_->Message(DesignerText::PictureMissing(path));
        return;
    }
    box->ShowContent(path);
    OnContentEdited(box);
}

void DesignerView::InputBarcodeToCurrentBox() {
    auto* box = qobject_cast<PictureInputBox*>(CurrentBox());
    if (!box || !asker_) return;
    const auto answer = asker_->AskText(DesignerText::kAskBarcode, box->Content());
    if (!answer) return;
    const QString content = answer->trimmed();
    // A refused barcode keeps the box as it was rather than showing an empty box.
    const QString refusal = BarcodeRefusal(content, format_->page.options.barcodeStandard);
    if (!refusal.isEmpty()) {
        asker_->Message(refusal);
        return;
    }
    box->ShowContent(content);
    OnContentEdited(box);
}
