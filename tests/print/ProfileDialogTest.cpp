// The offsets dialog with this seat's printer profile beside the format's own offsets,
// and the calibration run from it.
#include "app/printui/CalibrationDialog.h"
#include "app/printui/OffsetsDialog.h"
#include "print/BillPage.h"
#include "common/TempDataFolder.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/PaperPosition.h"
#include "store/PrinterProfileStore.h"
#include "store/Schema.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void Type(QDialog& dialog, const QString& field, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    ASSERT_TRUE(edit) << field.toStdString();
    edit->setText(text);
}

} // namespace

TEST(OffsetsDialog, ShowsWhereTheNextContinuousFormStartsUntilRealigned) {
    TempDataFolder folder;
    const std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    ASSERT_TRUE(SaveFormStart(QStringLiteral("LQ"), 3.25));
    PageParams page;
    OffsetsDialog dialog(page, nullptr, {db.get(), QStringLiteral("LQ"), QStringLiteral("支票")});
    auto* shown = dialog.findChild<QLabel*>(QStringLiteral("ProfileFormStart"));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->text().contains(QStringLiteral("3.25 毫米")));
    dialog.findChild<QPushButton*>(QStringLiteral("ProfileRealigned"))->click();
    EXPECT_EQ(LoadFormStart(QStringLiteral("LQ")), 0);
    EXPECT_TRUE(shown->text().contains(QStringLiteral("0.00 毫米")));
}

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

    // Confirmed unchanged, a queue without a profile gets none.
    {
        OffsetsDialog dialog(page, nullptr, {db.get(), QStringLiteral("HP"), QStringLiteral("支票")});
        QString problem;
        ASSERT_TRUE(dialog.SaveProfile(&problem));
    }
    EXPECT_FALSE(LoadPrinterProfile(*db, {ThisSeat(), QStringLiteral("HP"), QString()}));

    // Without a printer (a PDF file) the dialog has the format's offsets only.
    OffsetsDialog plain(page, nullptr, {db.get(), QString(), QStringLiteral("支票")});
    EXPECT_FALSE(plain.findChild<QLineEdit*>(QStringLiteral("ProfileOffsetX")));
}

namespace {

// A printer that puts everything 1.2 mm right and 0.8 mm low, runs 0.5 % wide and
// feeds 0.3 % short: where a point drawn at `drawn` (mm from the form's corner) lands.
QPointF Landed(const QPointF& drawn) { return {1.005 * drawn.x() + 1.2, 0.997 * drawn.y() + 0.8}; }

// Drawn through `profile` and then moved by that printer, where a wanted point lands.
QPointF Printed(const PrinterProfile& profile, const QPointF& wanted) {
    return Landed({profile.scaleX * wanted.x() - profile.offsetX, profile.scaleY * wanted.y() - profile.offsetY});
}

// Where the sheet printed through the profile `used` put the crosses, typed in.
void TypeMeasured(QDialog& dialog, const Format& format, const PrinterProfile& used) {
    const CalibrationCrosses crosses = CrossesFor(format.page);
    const QPointF shift(ShiftXmm(format), ShiftYmm(format));
    const QPointF first = Printed(used, crosses.first - shift), last = Printed(used, crosses.last - shift);
    Type(dialog, QStringLiteral("CrossFirstX"), QString::number(first.x(), 'f', 4));
    Type(dialog, QStringLiteral("CrossFirstY"), QString::number(first.y(), 'f', 4));
    Type(dialog, QStringLiteral("CrossLastX"), QString::number(last.x(), 'f', 4));
    Type(dialog, QStringLiteral("CrossLastY"), QString::number(last.y(), 'f', 4));
}

Format SlipFormat() {
    Format format;
    format.name = QStringLiteral("支票");
    format.page.width = 241;
    format.page.height = 140;
    format.page.offsetX = 12; // the format's own shift: 2 mm left
    return format;
}

} // namespace

TEST(CalibrationDialog, PrintsTheSheetAndStoresWhatTheCrossesTell) {
    TempDataFolder folder;
    const std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    const Format format = SlipFormat();
    QList<int> printedRuns;
    CalibrationDialog dialog(*db, QStringLiteral("LQ"), format, [&](int bills) {
        printedRuns << bills;
        return true;
    });
    dialog.findChild<QSpinBox*>(QStringLiteral("CalibrationBills"))->setValue(4);
    dialog.findChild<QPushButton*>(QStringLiteral("CalibrationPrint"))->click();
    EXPECT_EQ(printedRuns, QList<int>{4});

    QString problem;
    Type(dialog, QStringLiteral("CrossFirstX"), QStringLiteral("量不出"));
    EXPECT_FALSE(dialog.Store(&problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(LoadPrinterProfile(*db, {ThisSeat(), QStringLiteral("LQ"), QString()}));

    TypeMeasured(dialog, format, {});
    ASSERT_TRUE(dialog.Store(&problem)) << problem.toStdString();
    // Without a profile of its own the format calibrates the queue's, for every format.
    EXPECT_FALSE(LoadPrinterProfile(*db, {ThisSeat(), QStringLiteral("LQ"), format.name}));
    const std::optional<PrinterProfile> stored = LoadPrinterProfile(*db, {ThisSeat(), QStringLiteral("LQ"), QString()});
    ASSERT_TRUE(stored);
    for (const QPointF& wanted : {QPointF(10, 10), QPointF(230, 130), QPointF(120, 70)}) {
        const QPointF got = Printed(*stored, wanted);
        EXPECT_NEAR(got.x(), wanted.x(), 1e-3);
        EXPECT_NEAR(got.y(), wanted.y(), 1e-3);
    }
}

TEST(CalibrationDialog, ACalibrationFromTheOffsetsDialogShowsInItsFields) {
    TempDataFolder folder;
    const std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    const Format format = SlipFormat();
    // The format has a profile of its own on this queue: the calibration refines it.
    const PrinterProfileKey formatKey{ThisSeat(), QStringLiteral("LQ"), format.name};
    ASSERT_TRUE(SavePrinterProfile(*db, formatKey, {.offsetX = 0.4}));
    OffsetsDialog plain(format.page, nullptr, {db.get(), QStringLiteral("LQ"), format.name});
    EXPECT_FALSE(plain.findChild<QPushButton*>(QStringLiteral("ProfileCalibrate"))) << "nothing to print the sheet with";

    const ProfilePlace place{db.get(), QStringLiteral("LQ"), format.name, &format, [](int) { return true; }};
    OffsetsDialog dialog(format.page, nullptr, place);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        CalibrationDialog* calibration = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<CalibrationDialog*>(window); shown && shown->isVisible()) calibration = shown;
        if (!calibration) return;
        TypeMeasured(*calibration, format, {.offsetX = 0.4});
        calibration->accept();
        answered = true;
    });
    dialog.findChild<QPushButton*>(QStringLiteral("ProfileCalibrate"))->click();
    ASSERT_TRUE(answered);
    const std::optional<PrinterProfile> stored = LoadPrinterProfile(*db, formatKey);
    ASSERT_TRUE(stored);
    EXPECT_NE(*stored, PrinterProfile{.offsetX = 0.4});
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("ProfileScaleX"))->text(),
              QString::number(stored->scaleX, 'g', 8));
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("ProfileFormatOnly"))->isChecked());
    const QPointF got = Printed(*stored, {50, 60});
    EXPECT_NEAR(got.x(), 50, 1e-3);
    EXPECT_NEAR(got.y(), 60, 1e-3);
}
