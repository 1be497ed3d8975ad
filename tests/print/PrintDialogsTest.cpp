// The printing dialogs driven offscreen.
#include "app/printui/OffsetsDialog.h"
#include "app/printui/SelectPrinterDialog.h"
#include "print/PrinterChoice.h"
#include "store/Format.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(SelectPrinterDialog, OffersInstalledPrintersAndAPdfFileWithCopies) {
    SelectPrinterDialog dialog{QString()};
    auto* printers = dialog.findChild<QComboBox*>();
    ASSERT_TRUE(printers);
    EXPECT_EQ(printers->count(), InstalledPrinterNames().size() + 1);
    printers->setCurrentText(QStringLiteral("PDF文件"));
    const PrinterSelection pdf = dialog.Selection();
    EXPECT_TRUE(pdf.pdf);
    EXPECT_EQ(pdf.copies, 1);

    for (const auto& [text, copies] : {std::pair{"3", 3}, {"0", 1}, {"-2", 1}, {"三", 1}})
        EXPECT_EQ(CopiesFromText(QString::fromUtf8(text)), copies) << text;
}

TEST(OffsetsDialog, ShowsTheShiftAndStoresItWithTenAdded) {
    PageParams page;
    page.offsetX = 12;
    page.offsetY = 10;
    OffsetsDialog dialog(page);
    auto* left = dialog.findChild<QLineEdit*>(QStringLiteral("OffsetX"));
    auto* up = dialog.findChild<QLineEdit*>(QStringLiteral("OffsetY"));
    ASSERT_TRUE(left && up);
    EXPECT_EQ(left->text(), QStringLiteral("2"));
    EXPECT_EQ(up->text(), QStringLiteral("0"));
    left->setText(QStringLiteral("-1.5"));
    up->setText(QStringLiteral("3"));
    ASSERT_TRUE(dialog.Apply(page));
    EXPECT_DOUBLE_EQ(page.offsetX, 8.5);
    EXPECT_DOUBLE_EQ(page.offsetY, 13);
    up->setText(QStringLiteral("abc"));
    EXPECT_FALSE(dialog.Apply(page));
    EXPECT_DOUBLE_EQ(page.offsetY, 13);
}
