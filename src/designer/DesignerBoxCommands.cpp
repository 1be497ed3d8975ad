// Commands on several boxes at once: delete, copy, clear, and ruling a table.
#include "designer/DesignerView.h"

#include "designer/BoxPlacement.h"
#include "designer/BoxTemplates.h"
#include "designer/CanvasScale.h"
#include "designer/CopyCaption.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/BoxFactory.h"
#include "document/FormatDocument.h"
#include "designer/TableDialog.h"
#include "designer/TextNumber.h"
#include "core/Asker.h"
#include "store/BoxKinds.h"
#include "store/Format.h"

#include <QSet>
#include <cmath>

void DesignerView::DeleteSelectedBoxes() {
    if (!format_ || !asker_) return;
    const QList<qint64> ids = document_->IdsToActOn();
    if (ids.isEmpty() || !asker_->AskYesNo(DesignerText::kAskDeleteSelected)) return;
    document_->RemoveRecords(ids, DesignerText::kStepDelete);
}

bool DesignerView::DeleteBoxRows(int first, int last) {
    if (!format_ || !asker_ || first < 0 || last <= first || last >= format_->boxes.size()) return false;
    if (!asker_->AskYesNo(DesignerText::AskDeleteRows(first + 1, last + 1))) return false;
    QList<qint64> ids;
    for (int row = first; row <= last; ++row) ids.append(format_->boxes[row].id);
    document_->RemoveRecords(ids, DesignerText::kStepDelete);
    return true;
}

void DesignerView::CopyBoxes() {
    if (!format_ || !asker_) return;
    const QList<InputBox*> sources = BoxesToActOn();
    if (sources.isEmpty()) return;
    const auto answer = asker_->AskText(DesignerText::kAskCopyCount, QStringLiteral("1"));
    if (!answer) return;
    const long count = std::lround(NumberFromText(*answer));
    if (count <= 0) return;
    QList<BoxRecord> copies;
    std::array<int, kBoxKindCount> counts = counts_;
    bool full = false;
    for (InputBox* source : sources) {
        const BoxRecord* record = RecordOf(source);
        if (!record) continue;
        const BoxRecord original = *record;
        const QRect from = source->Twips();
        for (int c = 1; c <= count && !full; ++c) {
            if ((full = counts[static_cast<int>(original.kind)] >= kMaxBoxesPerKind)) break;
            ++counts[static_cast<int>(original.kind)];
            BoxRecord copy = original;
            if (source->Kind() == BoxKind::Text || source->Kind() == BoxKind::Check ||
                source->Kind() == BoxKind::Picture)
                copy.label = CopyCaption(original.label, c);
            // Up and left by 200 twips per copy; the next drag pulls it back onto the page.
            BoxFactory::WritePlace(source->Kind(), from.translated(-200 * c, -200 * c), copy, canvas_->Scale());
            copies.append(copy);
        }
        document_->SetSelected(source->Id(), false);
    }
    if (full && asker_) asker_->Message(DesignerText::kTooManyBoxes);
    document_->AddRecords(copies, DesignerText::kStepCopy);
}

void DesignerView::ClearContents() {
    if (!format_) return;
    QList<InputBox*> targets;
    for (InputBox* box : boxes_)
        if (document_->IsSelected(box->Id()) && HoldsContent(box->Kind())) targets.append(box);
    if (targets.isEmpty()) targets = boxes_;
    const bool keepPictures = format_->page.options.keepPictures;
    for (InputBox* box : targets) {
        const BoxRecord* record = RecordOf(box);
        if (!record) continue;
        // An unlabelled text box holds fixed text, not bill data.
        if (record->HoldsFixedText()) continue;
        if (box->Kind() == BoxKind::Picture && keepPictures) continue;
        if (!HoldsContent(box->Kind()) || box->Content().isEmpty()) continue;
        document_->SetContent(box->Id(), QString());
    }
}

void DesignerView::AddTable() {
    if (!format_) return;
    TableDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted) RuleTableLines(dialog.Spec());
}

int DesignerView::RuleTableLines(const TableSpec& spec) {
    if (!format_) return 0;
    const QList<QLineF> lines = RuleTable(spec);
    if (lines.isEmpty()) return 0;
    const int kind = static_cast<int>(BoxKind::Line);
    if (counts_[kind] + lines.size() > kMaxBoxesPerKind) {
        if (asker_) asker_->Message(DesignerText::kTooManyBoxes);
        return 0;
    }
    const BoxRecord base = TemplateRecord(BoxKind::Line, canvas_->Scale());
    QList<BoxRecord> records;
    for (const QLineF& line : lines) {
        BoxRecord record = base;
        record.x = line.x1();
        record.y = line.y1();
        record.w = line.x2();
        record.h = line.y2();
        records.append(record);
    }
    document_->AddRecords(records, DesignerText::kStepTable);
    return int(lines.size());
}
