// The document's change signals say what changed, for edits, undo and the page.
#include "EditingFixture.h"

#include <QSignalSpy>

using ChangeSignals = EditingFixture;

namespace {
RecordParts PartsOf(const QSignalSpy& spy, int i) { return spy.at(i).at(1).value<RecordParts>(); }
} // namespace

TEST_F(ChangeSignals, RecordChangesSayWhichPartsChanged) {
    const qint64 id = Add(BoxKind::Text, 10, 10);
    QSignalSpy changed(&document, &FormatDocument::RecordChanged);
    const auto edit = [&](auto change) {
        BoxRecord record = At(id);
        change(record);
        document.ChangeRecord(record, QStringLiteral("修改内容框"));
    };
    MoveBoxes(document, {id}, {1, 0}, Page());
    edit([](BoxRecord& r) { r.fontSize = 12, r.bold = true; });
    edit([](BoxRecord& r) { r.label = QStringLiteral("总额"); });
    edit([](BoxRecord& r) { r.color = 255, r.s = 0.5; });
    edit([](BoxRecord& r) { r.rctl = 3; });
    edit([](BoxRecord& r) { r.cash = 104; });
    edit([](BoxRecord& r) { r.kind = BoxKind::Label, r.x = 5; });
    edit([](BoxRecord& r) { r.mem = QStringLiteral("内容"); }); // content, not the record
    ASSERT_EQ(changed.count(), 7);
    const RecordParts expected[] = {
        RecordPart::Geometry, RecordPart::Font,     RecordPart::Caption,
        RecordPart::Look,     RecordPart::Links,    RecordPart::DataType,
        RecordPart::Kind | RecordPart::Geometry,
    };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(changed.at(i).at(0).toLongLong(), id);
        EXPECT_EQ(PartsOf(changed, i), expected[i]) << i;
    }
    // Undo tells the same parts back.
    changed.clear();
    document.UndoStack()->undo();
    document.UndoStack()->undo();
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(PartsOf(changed, 0), RecordPart::Kind | RecordPart::Geometry);
    EXPECT_EQ(PartsOf(changed, 1), RecordPart::DataType);
}

TEST_F(ChangeSignals, PageChangesSayWhichPartsChanged) {
    QSignalSpy changed(&document, &FormatDocument::PageChanged);
    PageParams page = document.GetFormat().page;
    document.SetPage(page);
    EXPECT_EQ(changed.count(), 0);
    page.width = 100;
    document.SetPage(page);
    page.options.optionBoxes[2] = 1;
    document.SetPage(page);
    page.options.barcodeStandard = BarcodeStandard::Ean13;
    document.SetPage(page);
    page.offsetX = 12, page.designScreenWidth = 15360;
    document.SetPage(page);
    ASSERT_EQ(changed.count(), 4);
    const PageParts expected[] = {PagePart::Size, PagePart::Options, PagePart::Barcode,
                                  PagePart::Offsets | PagePart::ScreenWidth};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(changed.at(i).at(0).value<PageParts>(), expected[i]) << i;
}
