#pragma once
// Printing through real CUPS drivers for tests: a spooler of the program's own with an
// Epson 24-pin and a generic PCL queue, formats of crosses, and where each cross belongs
// on the paper once the format's offsets and the seat's printer profile moved it.
#include "PrintFixture.h"
#include "PrinterStreams.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "store/Database.h"
#include "store/PrinterProfileStore.h"

#include <QLineF>
#include <QPointF>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

class QPrinter;

inline const QString kEpson = QStringLiteral("EPSON24"), kLaser = QStringLiteral("LASER");
// Both drivers keep a hardware margin: the head starts a quarter inch in.
inline constexpr PrinterMargins kEpsonMargins{18, 18};
inline constexpr PrinterMargins kLaserMargins{18, 0}; // PCL places its rows from the top itself
inline constexpr double kEpsonDotMm = 25.4 / 180, kLaserDotMm = 25.4 / 300;

// A format whose only boxes are crosses (two lines each) centred on `centres`.
Format CrossFormat(double width, double height, const QList<QPointF>& centres);

// Where a cross the format places at `c` belongs on the paper: moved by the format's
// shift and drawn through the profile, on the form whose top is `formTopMm` down the paper.
QPointF OnPaper(const QPointF& c, const Format& format, const PrinterProfile& profile, double formTopMm = 0);

class PrinterStreamTest : public ::testing::Test {
protected:
    void SetUp() override;

    void SetProfile(const QString& queue, const PrinterProfile& profile);
    // The queue's spooler refuses the jobs that come next, or takes them again.
    static void RefuseJobs(const QString& queue, bool refuse);

    // The queue's printer stream for what `print` sends through a printer on that queue.
    QByteArray Spooled(const QString& queue, const std::function<bool(QPrinter&, ScriptedAsker&)>& print);
    // The queue's printer stream for `bills` bills of the format in one job.
    QByteArray Print(const QString& queue, const Format& format, int bills = 1, QStringList* messages = nullptr);
    // The calibration sheet of `bills` forms in one job, as the queue's printer got it.
    QByteArray PrintSheet(const QString& queue, const Format& format, int bills);

    // Each expected place has a found mark within `toleranceMm` each way.
    static void ExpectMarks(const QList<QPointF>& found, const QList<QPointF>& expected, double toleranceMm);

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
};
