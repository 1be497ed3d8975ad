// What the designer shows that printing never does, and boxes showing their content whole.
#include "DesignerFixture.h"

#include "designer/DesignOutline.h"
#include "designer/LabelInputBox.h"
#include "symbols/SymbolDrawing.h"

#include <QPainter>

namespace {
class DesignLook : public DesignerFixture {
protected:
    QImage Canvas() { return view.Canvas()->grab().toImage(); }
};

bool EdgeShowsOutline(const QImage& image, const QRect& box) {
    int faint = 0;
    for (int x = box.left(); x <= box.right(); ++x)
        if (image.pixel(x, box.top()) == kDesignOutlineColor.rgb()) ++faint;
    return faint > box.width() / 4;
}
} // namespace

TEST_F(DesignLook, ANewLabelShowsItsWholeText) {
    InputBox* box = view.AddBox(4);
    ASSERT_NE(box, nullptr);
    auto* label = qobject_cast<LabelInputBox*>(box);
    ASSERT_NE(label, nullptr);
    const QFontMetrics metrics(label->font());
    EXPECT_GE(box->height(), metrics.height());
    ASSERT_EQ(label->Lines().size(), 1);
    EXPECT_GE(box->width(), metrics.horizontalAdvance(label->Text()));
}

// Printing leaves the outline out (print_tests, EmptyBoxesPrintNothing).
TEST_F(DesignLook, EmptyTextAndPictureBoxesShowAFaintOutline) {
    const qint64 text = AddRecord(0, "甲", 20, 20, 40, 10).id;
    const qint64 picture = AddRecord(2, "图", 20, 60, 40, 20).id;
    const QImage shown = Canvas();
    EXPECT_TRUE(EdgeShowsOutline(shown, view.BoxById(text)->geometry()));
    EXPECT_TRUE(EdgeShowsOutline(shown, view.BoxById(picture)->geometry()));

    // A picture box with content has no outline of its own.
    document.SetContent(picture, QStringLiteral("123"));
    EXPECT_FALSE(EdgeShowsOutline(Canvas(), view.BoxById(picture)->geometry()));
}

TEST_F(DesignLook, ALongBarcodeIsShownWholeInsideItsBox) {
    const qint64 id = AddRecord(2, "条码", 20, 20, 20, 12).id;
    const QString code = QStringLiteral("VELLUMARK-0123456789");
    document.SetContent(id, code);
    InputBox* box = view.BoxById(id);
    const int least = SymbolLeastWidth(code, BarcodeStandard::Code39);
    ASSERT_GT(least, box->width() * 2); // far too long for its pixels

    // The whole symbol at one pixel per bar, averaged down to the box's columns.
    QImage full(least, box->height(), QImage::Format_RGB32);
    full.fill(Qt::white);
    {
        QPainter painter(&full);
        ASSERT_TRUE(DrawSymbol(painter, QRectF(full.rect()), code, BarcodeStandard::Code39, box->font()));
    }
    const QImage shown = box->grab().toImage();
    const int row = box->height() / 3; // through the bars, above the text line
    double difference = 0;
    for (int x = 0; x < box->width(); ++x) {
        const int from = x * least / box->width(), to = (x + 1) * least / box->width();
        double sum = 0;
        for (int i = from; i < to; ++i) sum += qGray(full.pixel(i, row * full.height() / box->height()));
        difference += std::abs(sum / qMax(1, to - from) - qGray(shown.pixel(x, row)));
    }
    EXPECT_LT(difference / box->width(), 40);
}
