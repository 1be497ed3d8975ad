// The offsets dialog with this seat's printer profile beside the format's own offsets.
#include "app/printui/OffsetsDialog.h"
#include "common/TempDataFolder.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/PrinterProfileStore.h"
#include "store/Schema.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

void Type(QDialog& dialog, const QString& field, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    ASSERT_TRUE(edit) << field.toStdString();
    edit->setText(text);
}

} // namespace

TEST(OffsetsDialog, EditsThePrinterProfileBesideTheFormatsOffsets) {
    TempDataFolder folder;
    const std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    const PrinterProfileKey queueKey{ThisSeat(), QStringLiteral("LQ"), QString()};
    const PrinterProfileKey formatKey{ThisSeat(), QStringLiteral("LQ"), QStringLiteral("支票")};
    ASSERT_TRUE(SavePrinterProfile(*db, queueKey, {.offsetX = 0.5, .scaleY = 1.01}));
    PageParams page;
    {
        OffsetsDialog dialog(page, nullptr, {db.get(), QStringLiteral("LQ"), QStringLiteral("支票")});
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProfileOffsetX"))->text(), QStringLiteral("0.5"));
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProfileScaleY"))->text(), QStringLiteral("1.01"));
        Type(dialog, QStringLiteral("ProfileOffsetY"), QStringLiteral("-1.2"));
        Type(dialog, QStringLiteral("ProfileFeed"), QStringLiteral("0.4"));
        dialog.findChild<QCheckBox*>(QStringLiteral("ProfileContinuous"))->setChecked(true);
        dialog.findChild<QCheckBox*>(QStringLiteral("ProfileFormatOnly"))->setChecked(true);
        QString problem;
        ASSERT_TRUE(dialog.SaveProfile(&problem)) << problem.toStdString();
    }
    const PrinterProfile own{.offsetX = 0.5, .offsetY = -1.2, .scaleY = 1.01, .feedMm = 0.4, .continuous = true};
    EXPECT_EQ(LoadPrinterProfile(*db, formatKey), own);
    EXPECT_EQ(LoadPrinterProfile(*db, queueKey), (PrinterProfile{.offsetX = 0.5, .scaleY = 1.01}));

    // Opened again it shows the format's own profile; kept for every format, the
    // format's own row goes, and a scale no printer needs is refused.
    {
        OffsetsDialog dialog(page, nullptr, {db.get(), QStringLiteral("LQ"), QStringLiteral("支票")});
        auto* formatOnly = dialog.findChild<QCheckBox*>(QStringLiteral("ProfileFormatOnly"));
        EXPECT_TRUE(formatOnly->isChecked());
        Type(dialog, QStringLiteral("ProfileScaleX"), QStringLiteral("1.5"));
        QString problem;
        EXPECT_FALSE(dialog.SaveProfile(&problem));
        EXPECT_FALSE(problem.isEmpty());
        Type(dialog, QStringLiteral("ProfileScaleX"), QStringLiteral("0.998"));
        formatOnly->setChecked(false);
        ASSERT_TRUE(dialog.SaveProfile(&problem)) << problem.toStdString();
    }
    EXPECT_FALSE(LoadPrinterProfile(*db, formatKey));
    PrinterProfile queueWide = own;
    queueWide.scaleX = 0.998;
    EXPECT_EQ(EffectivePrinterProfile(*db, formatKey), queueWide);

    // Without a printer (a PDF file) the dialog has the format's offsets only.
    OffsetsDialog plain(page, nullptr, {db.get(), QString(), QStringLiteral("支票")});
    EXPECT_FALSE(plain.findChild<QLineEdit*>(QStringLiteral("ProfileOffsetX")));
}
