#include "PrinterStreamFixture.h"

#include "common/PrivateCups.h"
#include "print/CalibrationSheet.h"
#include "print/PrintJob.h"
#include "print/PrinterCorrection.h"
#include "store/Schema.h"

#include <QPrinter>

namespace {

constexpr double kCrossArmMm = 2;

// One spooler for the whole program, with its two queues: the print system keeps the
// first server it was pointed at.
PrivateCups& Spooler() {
    static PrivateCups cups;
    return cups;
}

const QString& SpoolerProblem() {
    static const QString problem = [] {
        PrivateCups& cups = Spooler();
        QString why = cups.Problem();
        if (why.isEmpty())
            why = cups.AddQueue(kEpson, QStringLiteral("drv:///sample.drv/epson24.ppd"),
                                {QStringLiteral("Resolution=180dpi"), QStringLiteral("PageSize=A4")});
        if (why.isEmpty())
            why = cups.AddQueue(kLaser, QStringLiteral("drv:///sample.drv/generpcl.ppd"),
                                {QStringLiteral("Resolution=300dpi"), QStringLiteral("PageSize=A4")});
        return why;
    }();
    return problem;
}

} // namespace

Format CrossFormat(double width, double height, const QList<QPointF>& centres) {
    Format format = MakeFormat(width, height);
    qint64 id = 1;
    for (const QPointF& c : centres) {
        for (const QLineF& arm : {QLineF(c.x() - kCrossArmMm, c.y(), c.x() + kCrossArmMm, c.y()),
                                  QLineF(c.x(), c.y() - kCrossArmMm, c.x(), c.y() + kCrossArmMm)}) {
            BoxRecord line = MakeBox(id++, BoxKind::Line, arm.x1(), arm.y1(), arm.x2(), arm.y2());
            line.fontSize = 3; // about 0.8 mm thick
            format.boxes << line;
        }
    }
    format.page.options.setPaper = true;
    return format;
}

QPointF OnPaper(const QPointF& c, const Format& format, const PrinterProfile& profile, double formTopMm) {
    return {profile.scaleX * (c.x() - ShiftXmm(format)) - profile.offsetX,
            profile.scaleY * (c.y() - ShiftYmm(format) + formTopMm) - profile.offsetY};
}

void PrinterStreamTest::SetUp() {
    if (!SpoolerProblem().isEmpty()) GTEST_SKIP() << SpoolerProblem().toStdString();
    db_ = OpenDataDatabase();
    ASSERT_TRUE(db_);
}

void PrinterStreamTest::SetProfile(const QString& queue, const PrinterProfile& profile) {
    ASSERT_TRUE(SavePrinterProfile(*db_, {ThisSeat(), queue, QString()}, profile));
}

void PrinterStreamTest::RefuseJobs(const QString& queue, bool refuse) { Spooler().RefuseJobs(queue, refuse); }

QByteArray PrinterStreamTest::Spooled(const QString& queue,
                                      const std::function<bool(QPrinter&, ScriptedAsker&)>& print) {
    Spooler().ClearOutput(queue);
    {
        const PrinterProfileSource profiles(*db_);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        ScriptedAsker asker;
        if (!print(printer, asker)) {
            ADD_FAILURE() << asker.messages.join(" ").toStdString();
            return {};
        }
    }
    return Spooler().WaitForOutput(queue);
}

QByteArray PrinterStreamTest::Print(const QString& queue, const Format& format, int bills, QStringList* messages) {
    return Spooled(queue, [&](QPrinter& printer, ScriptedAsker& asker) {
        PrintJob job(printer, asker);
        job.ExpectPages(bills);
        BillPrintRequest request;
        request.endJob = false;
        for (int bill = 0; bill < bills; ++bill)
            if (!job.PrintBill(format, Bill(), request)) return false;
        const bool ended = job.End();
        if (messages) *messages = asker.messages;
        return ended;
    });
}

QByteArray PrinterStreamTest::PrintSheet(const QString& queue, const Format& format, int bills) {
    return Spooled(queue, [&](QPrinter& printer, ScriptedAsker& asker) {
        PrintJob job(printer, asker);
        return PrintCalibrationSheet(job, format, bills);
    });
}

void PrinterStreamTest::ExpectMarks(const QList<QPointF>& found, const QList<QPointF>& expected,
                                    double toleranceMm) {
    ASSERT_EQ(found.size(), expected.size());
    for (const QPointF& want : expected) {
        double nearest = 1e9;
        QPointF at;
        for (const QPointF& mark : found)
            if (QLineF(mark, want).length() < nearest) nearest = QLineF(mark, want).length(), at = mark;
        EXPECT_NEAR(at.x(), want.x(), toleranceMm) << "cross at " << want.x() << ", " << want.y();
        EXPECT_NEAR(at.y(), want.y(), toleranceMm) << "cross at " << want.x() << ", " << want.y();
    }
}
