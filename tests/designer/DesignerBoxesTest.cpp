// Input boxes on the canvas: adding, typing, copying, deleting and clearing, each
// checked on the format's records and the bill.
#include "DesignerFixture.h"

#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "designer/CanvasScale.h"
#include "designer/CheckInputBox.h"
#include "designer/LabelInputBox.h"
#include "designer/PictureInputBox.h"
#include "designer/TableRuling.h"
#include "designer/TextInputBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using DesignerBoxes = DesignerFixture;

TEST_F(DesignerBoxes, AddsEveryKindFromTheCanvasMenuAtTheClickedPoint) {
    for (int kind = 0; kind < kBoxKindCount; ++kind) {
        const QPoint at(1500, 3000 + 1500 * kind);
        asker.Item(kind);
        ChooseCanvasItem(at, "mCtlAdd");
        ASSERT_EQ(format.boxes.size(), kind + 1);
        const BoxRecord& record = format.boxes.last();
        EXPECT_EQ(static_cast<int>(record.kind), kind);
        EXPECT_TRUE(IsTemporaryId(record.id));
        InputBox* box = view.BoxByNumber(kind * 1000 + 1);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->Id(), record.id);
        // The top-left corner (a line's first end) lands on the point, stored in mm.
        const CanvasScale scale = view.Canvas()->Scale();
        EXPECT_NEAR(record.x, scale.CanvasToMm(at.x()), 0.001);
        EXPECT_NEAR(record.y, scale.CanvasToMm(at.y()), 0.001);
        EXPECT_EQ(box->Caption() != nullptr, kind <= 2);
    }
    EXPECT_EQ(format.boxes[4].label, "标签");
    // Cancelling the chooser adds nothing.
    asker.Item(std::nullopt);
    ChooseCanvasItem(QPoint(9000, 9000), "mCtlAdd");
    EXPECT_EQ(format.boxes.size(), 5);
}

TEST_F(DesignerBoxes, NumbersNewBoxesAfterTheirKindAndRefusesTheThousandth) {
    AddRecord(0, "a", 10, 10);
    AddRecord(2, "p", 10, 30);
    view.RebuildBoxes();
    InputBox* added = view.AddBox(0);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Number(), 2); // kind 0: numbers 1 .. 999
    // The grid stays ordered by kind.
    EXPECT_EQ(format.boxes[1].id, added->Id());
    EXPECT_EQ(format.boxes[2].kind, BoxKind::Picture);

    for (int i = 0; i < 997; ++i) ASSERT_NE(view.AddBox(0), nullptr);
    EXPECT_EQ(view.AddBox(0), nullptr);
    EXPECT_EQ(asker.messages.last(), "同一类输入框最多只能有999个，无法再添加！");
    EXPECT_NE(view.BoxByNumber(999), nullptr);
    // The next kind's numbers stay its own.
    EXPECT_EQ(view.AddBox(1)->Number(), 1001);
}

TEST_F(DesignerBoxes, TypedTextReachesTheBillAndIsConvertedOnLeaving) {
    BoxRecord record = AddRecord(0, "比例", 10, 10);
    record.cash = 116; // percentage
    SetUpRecord(record);
    const qint64 id = record.id;
    AddRecord(0, "备注", 10, 30);
    view.RebuildBoxes();
    QSignalSpy changed(&document, &FormatDocument::ContentChanged);
    auto* box = qobject_cast<TextInputBox*>(view.BoxByNumber(1));
    box->Editor()->setFocus();
    QTest::keyClicks(box->Editor(), "0.25");
    EXPECT_EQ(bill.Value(id), "0.25");
    EXPECT_FALSE(changed.isEmpty());
    // Leaving converts; multi-line text keeps its line breaks.
    auto* other = qobject_cast<TextInputBox*>(view.BoxByNumber(2));
    other->Editor()->setFocus();
    EXPECT_EQ(bill.Value(id), "25%");
    QTest::keyClicks(other->Editor(), "a");
    QTest::keyClick(other->Editor(), Qt::Key_Return);
    QTest::keyClicks(other->Editor(), "b");
    EXPECT_EQ(view.GetBoxContent(other->Id()), "a\nb");
}

TEST_F(DesignerBoxes, ZoomingInThenOutGives99PercentAndKeepsTypedContents) {
    BoxRecord record = AddRecord(0, "比例", 10, 10);
    record.cash = 116;
    SetUpRecord(record);
    const qint64 text = record.id;
    const qint64 check = AddRecord(1, "同意", 10, 30).id;
    view.RebuildBoxes();
    auto* editor = qobject_cast<TextInputBox*>(view.BoxById(text))->Editor();
    editor->setFocus();
    QTest::keyClicks(editor, "0.5");
    qobject_cast<CheckInputBox*>(view.BoxById(check))->Check()->click();

    const double before = view.CanvasWidthTwips();
    const int x = view.BoxById(text)->x();
    view.Zoom(0); // while still typing: converted before the box is rebuilt
    EXPECT_EQ(bill.Value(text), "50%");
    EXPECT_GT(view.BoxById(text)->x(), x);
    view.Zoom(1);
    EXPECT_NEAR(view.CanvasWidthTwips(), before * 0.99, 1e-6);
    EXPECT_EQ(view.GetBoxContent(text), "50%");
    EXPECT_EQ(view.GetBoxContent(check), "1");
    view.Zoom(2);
    EXPECT_NEAR(view.CanvasWidthTwips(), view.ViewportWidthTwips(), 1e-6);
    view.resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_NEAR(view.CanvasWidthTwips(), view.ViewportWidthTwips(), 1e-6);
    EXPECT_EQ(view.GetBoxContent(text), "50%");
    EXPECT_EQ(format.FindBox(text)->x, 10); // records never move with the zoom
}

TEST_F(DesignerBoxes, ValuesEnteredInTheDocumentShowInEachKind) {
    BoxRecord amount = AddRecord(0, "比例", 10, 10);
    amount.cash = 116;
    SetUpRecord(amount);
    const qint64 text = amount.id;
    const qint64 plain = AddRecord(0, "地址", 10, 20).id;
    const qint64 check = AddRecord(1, "同意", 10, 30).id;
    AidContext context;
    context.filling.lineBreakMarker = "##";
    view.RebuildBoxes();
    const auto enter = [&](qint64 id, const QString& value) {
        EnterValue(document, id, value, EntryRoute::DataRow, context);
        return view.BoxById(id)->Content();
    };
    // The boxes show what the document holds, converted once on its way in.
    EXPECT_EQ(enter(text, "0.5"), "50%");
    EXPECT_EQ(enter(plain, "一行##二行"), "一行\n二行");
    EXPECT_EQ(bill.Value(plain), "一行\n二行");
    EXPECT_EQ(enter(check, "  "), "");
    EXPECT_EQ(enter(check, "√"), "1");
    EXPECT_EQ(bill.Value(check), "1");
}

TEST_F(DesignerBoxes, CopiesShiftUpAndLeftWithNumberedCaptions) {
    const qint64 id = AddRecord(0, "金额1", 50, 60).id;
    view.RebuildBoxes();
    InputBox* source = view.BoxById(id);
    const QRect from = source->Twips();
    asker.Text("2");
    ChooseBoxItem(source, "mCopyCtl");
    ASSERT_EQ(format.boxes.size(), 3);
    const CanvasScale scale = view.Canvas()->Scale();
    EXPECT_EQ(format.boxes[1].label, "金额2");
    EXPECT_EQ(format.boxes[2].label, "金额3");
    for (int c = 1; c <= 2; ++c) {
        EXPECT_NEAR(format.boxes[c].x, scale.CanvasToMm(from.x() - 200 * c), 0.001);
        EXPECT_NEAR(format.boxes[c].y, scale.CanvasToMm(from.y() - 200 * c), 0.001);
        EXPECT_EQ(format.boxes[c].w, format.boxes[0].w);
    }
    EXPECT_EQ(view.BoxByNumber(3)->Id(), format.boxes[2].id);

    // An answer of 0 copies nothing.
    asker.Text("0");
    view.CopyBoxes();
    EXPECT_EQ(format.boxes.size(), 3);
}

TEST_F(DesignerBoxes, CopiesLinesByBothEnds) {
    const qint64 id = AddRecord(3, "", 10, 10, 60, 10).id;
    view.RebuildBoxes();
    const CanvasScale scale = view.Canvas()->Scale();
    view.SetCurrentBox(view.BoxById(id));
    asker.Text("1");
    view.CopyBoxes();
    ASSERT_EQ(format.boxes.size(), 2);
    const BoxRecord& copy = format.boxes[1];
    EXPECT_NEAR(copy.x, scale.CanvasToMm(scale.MmToCanvas(10) - 200), 0.001);
    EXPECT_NEAR(copy.w, scale.CanvasToMm(scale.MmToCanvas(60) - 200), 0.001);
    EXPECT_NEAR(copy.h, copy.y, 0.001);
    EXPECT_EQ(copy.label, "");
}

TEST_F(DesignerBoxes, DeletesTheCurrentBoxWhenNothingIsSelected) {
    AddRecord(0, "a", 10, 10);
    const qint64 b = AddRecord(0, "b", 10, 20).id;
    AddRecord(0, "c", 10, 30);
    view.RebuildBoxes();
    document.SetContent(b, "x");
    asker.Yes();
    ChooseBoxItem(view.BoxById(b), "mDeleteCtl");
    ASSERT_EQ(format.boxes.size(), 2);
    EXPECT_EQ(format.boxes[0].label, "a");
    EXPECT_EQ(format.boxes[1].label, "c");
    EXPECT_FALSE(bill.Values().contains(b));
    // Rebuilt and renumbered.
    EXPECT_EQ(view.BoxByNumber(2)->Id(), format.boxes[1].id);

    // Ctrl-click selects; the selected boxes go with the current one. No keeps all.
    view.RebuildBoxes();
    InputBox* first = view.BoxByNumber(1);
    QTest::mouseClick(first, Qt::LeftButton, Qt::ControlModifier, QPoint(1, 1));
    EXPECT_TRUE(first->IsSelected());
    view.SetCurrentBox(view.BoxByNumber(2));
    asker.No();
    view.DeleteSelectedBoxes();
    EXPECT_EQ(format.boxes.size(), 2);
    asker.Yes();
    view.DeleteSelectedBoxes();
    EXPECT_TRUE(format.boxes.isEmpty());
}

TEST_F(DesignerBoxes, DeletesGridRowsAfterAsking) {
    for (int i = 0; i < 4; ++i) AddRecord(0, QString::number(i), 10, 10 + 10 * i);
    view.RebuildBoxes();
    EXPECT_FALSE(view.DeleteBoxRows(1, 1)); // a single row is not a range
    asker.Yes();
    EXPECT_TRUE(view.DeleteBoxRows(1, 2));
    ASSERT_EQ(format.boxes.size(), 2);
    EXPECT_EQ(format.boxes[1].label, "3");
    EXPECT_EQ(view.Boxes().size(), 2);
}

TEST_F(DesignerBoxes, ClearingKeepsFixedTextAndOptionallyPictures) {
    const QString picture = SavePicture("p.jpg", Qt::red);
    const qint64 labelled = AddRecord(0, "金额", 10, 10).id;
    BoxRecord fixed = AddRecord(0, "", 10, 20);
    fixed.mem = "固定文字";
    SetUpRecord(fixed);
    const qint64 unlabelled = fixed.id;
    const qint64 check = AddRecord(1, "同意", 10, 30).id;
    const qint64 pictureBox = AddRecord(2, "照片", 10, 40).id;
    PageOptions keep = format.page.options;
    keep.keepPictures = true;
    SetUpPage(keep);
    document.SetContent(labelled, "100");
    document.SetContent(check, "1");
    document.SetContent(pictureBox, picture);
    view.RebuildBoxes();
    EXPECT_EQ(view.GetBoxContent(unlabelled), "固定文字");
    EXPECT_TRUE(qobject_cast<PictureInputBox*>(view.BoxById(pictureBox))->ShowsPicture());

    ChooseCanvasItem(QPoint(6000, 9000), "mClearCtl");
    EXPECT_EQ(bill.Value(labelled), "");
    EXPECT_EQ(bill.Value(check), "");
    EXPECT_EQ(bill.Value(unlabelled), "固定文字");
    EXPECT_EQ(bill.Value(pictureBox), picture);

    // Without the option pictures go too; with a selection only the selected box.
    keep.keepPictures = false;
    SetUpPage(keep);
    document.SetContent(labelled, "100");
    view.RebuildBoxes();
    view.ToggleSelected(view.BoxById(pictureBox));
    view.ClearContents();
    EXPECT_EQ(bill.Value(pictureBox), "");
    EXPECT_EQ(bill.Value(labelled), "100");
}

TEST_F(DesignerBoxes, PictureBoxesTakeFilesAndBarcodesAndRefuseUndrawableBarcodes) {
    const QString file = SavePicture("logo.jpg", Qt::yellow);
    const qint64 id = AddRecord(2, "图", 10, 10, 40, 20).id;
    view.RebuildBoxes();
    auto* box = qobject_cast<PictureInputBox*>(view.BoxById(id));

    asker.File(files.filePath("missing.jpg"));
    ChooseBoxItem(box, "mAddPic");
    EXPECT_EQ(bill.Value(id), "");
    asker.File(file);
    ChooseBoxItem(box, "mAddPic");
    EXPECT_EQ(bill.Value(id), file);
    EXPECT_TRUE(box->ShowsPicture());

    asker.Text(" AB-1 ");
    ChooseBoxItem(box, "mInputBarCode");
    EXPECT_EQ(bill.Value(id), "AB-1");
    EXPECT_FALSE(box->ShowsPicture());
    EXPECT_TRUE(AnyDark(box->grab().toImage())); // the barcode is drawn

    asker.Text("A.B"); // the full stop is not in Code 39
    ChooseBoxItem(box, "mInputBarCode");
    EXPECT_EQ(view.GetBoxContent(id), "AB-1");
    // A QR code refuses only what no version can hold.
    PageParams qr = format.page;
    qr.options.barcodeStandard = BarcodeStandard::QrCode;
    document.SetPage(qr);
    asker.Text(QString(4000, 'x'));
    ChooseBoxItem(box, "mInputBarCode");
    EXPECT_EQ(bill.Value(id), "AB-1");
    EXPECT_EQ(asker.messages,
              QStringList({"图片文件“" + files.filePath("missing.jpg") + "”不存在！",
                           "要打印的条形码字符串中包含无效字符！当前版本只支持字符0-9,A-Z,-,%,$和*",
                           "内容太长，无法生成二维码！"}));
}

TEST_F(DesignerBoxes, PastingIntoALabelRenamesItsRecord) {
    const qint64 id = AddRecord(4, "旧", 10, 10).id;
    view.RebuildBoxes();
    QGuiApplication::clipboard()->setText("新标签");
    ChooseBoxItem(view.BoxById(id), "mPaste");
    EXPECT_EQ(format.FindBox(id)->label, "新标签");
    EXPECT_EQ(qobject_cast<LabelInputBox*>(view.BoxById(id))->Text(), "新标签");
}

TEST_F(DesignerBoxes, RulesATableWithLineBoxes) {
    TableSpec spec{10, 20, 70, 50, 3, 2};
    EXPECT_EQ(view.RuleTableLines(spec), 7);
    ASSERT_EQ(format.boxes.size(), 7);
    EXPECT_EQ(format.boxes[1].kind, BoxKind::Line);
    EXPECT_EQ(format.boxes[1].y, 30);
    EXPECT_EQ(format.boxes[1].h, 30);
    EXPECT_EQ(view.BoxByNumber(3007)->Id(), format.boxes[6].id);
}
