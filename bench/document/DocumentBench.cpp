// Editing through the document. The figures that matter:
//  - Nudge999/*: one arrow press with 999 boxes selected (the document's NudgeBoxes
//    alone, and through the designer's keys); the counter undo_bytes is the heap the undo steps of the
//    whole run hold (a run of presses is one merged step);
//  - TypeOneCharacter500: one typed character in a 500-box format reaching the
//    document, the canvas and the box grid.
#include "app/BoxGridModel.h"
#include "core/LargeBlocks.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "designer/TextInputBox.h"
#include "document/BoxEditing.h"
#include "document/FormatDocument.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
Format ManyBoxes(int count) {
    Format format;
    format.name = QStringLiteral("基准");
    format.page.width = 400;
    format.page.height = 400;
    for (int i = 0; i < count; ++i) {
        BoxRecord box;
        box.id = i + 1;
        box.label = QStringLiteral("框%1").arg(i);
        box.x = 5 + (i % 30) * 12;
        box.y = 5 + (i / 30) * 10;
        box.w = 10;
        box.h = 6;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 9;
        format.boxes.append(box);
    }
    return format;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

void SelectAll(FormatDocument& document) {
    QSet<qint64> all;
    for (const BoxRecord& box : document.GetFormat().boxes) all.insert(box.id);
    document.SetSelection(all);
}

void Nudge999Document(benchmark::State& state) {
    FormatDocument document;
    document.Open(ManyBoxes(999));
    SelectAll(document);
    const size_t before = HeapInUse();
    const EditArea area = PageArea(document);
    for (auto _ : state) NudgeBoxes(document, {0.2, 0}, false, area);
    state.counters["undo_steps"] = document.UndoStack()->count();
    state.counters["undo_bytes"] = double(HeapInUse() - before);
}
BENCHMARK(Nudge999Document)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void Nudge999Designer(benchmark::State& state) {
    FormatDocument document;
    DesignerView view;
    view.resize(1200, 900);
    view.SetDocument(&document);
    document.Open(ManyBoxes(999));
    view.show();
    SelectAll(document);
    const size_t before = HeapInUse();
    for (auto _ : state) view.NudgeKey(Qt::Key_Right, Qt::NoModifier);
    state.counters["undo_steps"] = document.UndoStack()->count();
    state.counters["undo_bytes"] = double(HeapInUse() - before);
}
BENCHMARK(Nudge999Designer)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void TypeOneCharacter500(benchmark::State& state) {
    FormatDocument document;
    DesignerView view;
    BoxGridModel grid;
    grid.SetDocument(&document);
    view.resize(1200, 900);
    view.SetDocument(&document);
    document.Open(ManyBoxes(500));
    view.show();
    auto* box = qobject_cast<TextInputBox*>(view.BoxById(250));
    box->Editor()->setFocus();
    for (auto _ : state) QTest::keyClick(box->Editor(), Qt::Key_A);
    state.counters["length"] = double(document.Content(250).size());
}
BENCHMARK(TypeOneCharacter500)->Iterations(1000)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksForReuse(); // as the program's main does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
