// The same values through every route into a bill: typed into the window's boxes,
// stepped in from the bill-data grid, printed as batch rows by the window and by
// `print --data`, and given to `print --set`. Every route must give the same bill,
// over a format with products, sums with negation, rings, capitals, date parts and
// digit cells.
#include "AppFixture.h"

#include "../content/QStringPrinting.h"
#include "../print/PdfProbe.h"

#include "app/BillDataView.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "core/Progress.h"
#include "designer/DesignerView.h"
#include "designer/TextInputBox.h"
#include "exchange/ColumnMapping.h"
#include "cli/PrintCommand.h"
#include "records/BoxValues.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>

namespace {

using LabelBill = QMap<QString, QString>; // the bill's non-empty values by box label

const QString kFormat = QStringLiteral("转账单");

class OneRouteTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        const double t = double(kFirstTemporaryId);
        // 数量 × 单价 → 金额, which shares a ring with its capitals 大写; 金额 − 折扣 → 合计
        // (12 cells), which shares a ring with 合计位 (capital digits without 角分).
        struct Spec { const char* label; double cash, rctl, sumId; };
        const Spec specs[] = {
            {"数量", 0, 0, -(t + 2)},   {"单价", 105, 0, -(t + 2)}, {"金额", 104, t + 3, t + 5},
            {"大写", 103, t + 2, 0},     {"折扣", 105, 0, t + 5.1},  {"合计", 12, t + 6, 0},
            {"合计位", 121.06, t + 5, 0}, {"日", 108, 0, 0},          {"月", 101, 0, 0},
            {"账号", 208, 0, 0},         {"年", 106, 0, 0}};
        Format format;
        format.name = kFormat;
        format.page.width = 210;
        format.page.height = 140;
        for (int i = 0; i < int(std::size(specs)); ++i) {
            BoxRecord box;
            box.id = kFirstTemporaryId + i;
            box.label = QString::fromUtf8(specs[i].label);
            box.cash = specs[i].cash;
            box.rctl = specs[i].rctl;
            box.sumId = specs[i].sumId;
            box.x = 10, box.y = 5 + 11 * i, box.w = 60, box.h = 8, box.fontSize = 10;
            format.boxes << box;
        }
        SilentProgress progress;
        ASSERT_TRUE(session_->Formats().SaveFormat(format, QString(), 15360, progress));
        for (const Spec& spec : specs) labels_ << QString::fromUtf8(spec.label);
        // The input boxes: the sum targets and the capitals' ring partners are filled by the aids.
        inputs_ = {"数量", "单价", "折扣", "日", "月", "账号", "年"};

        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->show();
        Reopen();
    }

    // Random rows of the input boxes' values, and one with a day out of range.
    QList<QStringList> Rows() const {
        QRandomGenerator random(20261207);
        QList<QStringList> rows;
        for (int i = 0; i < 4; ++i) {
            rows << QStringList{QString::number(random.bounded(1, 60)),
                                QString::number(random.bounded(1, 500000) / 100.0, 'f', random.bounded(0, 3)),
                                QString::number(random.bounded(0, 2000) / 10.0),
                                QString::number(random.bounded(1, 36)),
                                QString::number(random.bounded(1, 14)),
                                QString::number(random.bounded(0, 99999999)).rightJustified(8, u'0'),
                                QString::number(random.bounded(990, 2100))};
        }
        rows << QStringList{"3", "1234.5", "0.5", "32", "7", "00012345", "2026"};
        return rows;
    }

    qint64 Id(const QString& label) const {
        for (const BoxRecord& box : session_->CurrentFormat().boxes)
            if (box.label == label) return box.id;
        return 0;
    }

    LabelBill ByLabel(const QHash<qint64, QString>& values) const {
        LabelBill bill;
        for (const BoxRecord& box : session_->CurrentFormat().boxes)
            if (!values.value(box.id).isEmpty()) bill.insert(box.label, values.value(box.id));
        return bill;
    }
    LabelBill Shown() const {
        QHash<qint64, QString> values;
        for (const BoxRecord& box : session_->CurrentFormat().boxes)
            if (HoldsBillValue(box)) values.insert(box.id, session_->CurrentBill().Value(box.id));
        return ByLabel(values);
    }
    // The stored bills of the format from `first` on, oldest first.
    QList<LabelBill> StoredFrom(qint64 first) const {
        const QueryResult result = session_->Db().Query(
            "SELECT ID, CID, Con FROM 历史 WHERE Fmt=? AND ID>=? ORDER BY ID", {kFormat, first});
        QMap<qint64, QHash<qint64, QString>> bills;
        for (const QVariantList& row : result.rows)
            bills[row[0].toLongLong()].insert(row[1].toLongLong(), row[2].toString());
        QList<LabelBill> list;
        for (const auto& values : std::as_const(bills)) list << ByLabel(values);
        return list;
    }
    qint64 NextBill() const {
        const QueryResult result = session_->Db().Query("SELECT coalesce(max(ID), 0) + 1 FROM 历史 WHERE Fmt=?", {kFormat});
        return result.rows[0][0].toLongLong();
    }

    // Opens the format again with fresh boxes; the window takes the activation back
    // from the progress window of the loading, so that boxes can take the focus.
    void Reopen() {
        ASSERT_TRUE(window_->OpenFormat(kFormat, true));
        QTest::qWait(50);
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    // Types each value into its box with key presses and leaves the box, in order.
    LabelBill Typed(const QStringList& values) {
        Reopen();
        for (int i = 0; i < inputs_.size(); ++i) {
            auto* box = qobject_cast<TextInputBox*>(window_->Designer().BoxById(Id(inputs_[i])));
            box->Editor()->setFocus();
            EXPECT_TRUE(box->Editor()->hasFocus()) << inputs_[i].toStdString();
            box->Editor()->selectAll();
            QTest::keyClicks(box->Editor(), values[i]);
            box->Editor()->clearFocus();
        }
        return Shown();
    }

    int RunCommand(const QStringList& args) {
        QString out;
        err_.clear();
        QTextStream outStream(&out), errStream(&err_);
        return RunPrintCommand(args, outStream, errStream);
    }

    // As the import lays the grid out: a column for every box, empty where the
    // mapping gives the box nothing (here the boxes the aids fill).
    BillData GridRows(const QList<QStringList>& rows) const {
        BillData data;
        for (const QString& label : labels_) data.columns << BillColumn{0, Id(label), label, inputs_.contains(label)};
        int number = 0;
        for (const QStringList& row : rows) {
            QStringList cells;
            for (const QString& label : labels_)
                cells << (inputs_.contains(label) ? row[inputs_.indexOf(label)] : QString());
            data.rows << BillRow{++number, cells};
        }
        return data;
    }

    // The format's stored mapping takes the file's columns A, B, … into the input boxes.
    QString CsvOf(const QList<QStringList>& rows) {
        QList<MappedBox> boxes = MappedBoxes(session_->CurrentFormat(), {});
        for (MappedBox& mapped : boxes)
            if (const qsizetype column = inputs_.indexOf(mapped.box.label); column >= 0)
                mapped.expression = QString(QChar(u'A' + int(column)));
        EXPECT_TRUE(SaveMapping(session_->Db(), kFormat, boxes));
        QFile csv(folder_.File("rows.csv"));
        EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write((inputs_.join(u',') + u'\n').toUtf8());
        for (const QStringList& row : rows) csv.write((row.join(u',') + u'\n').toUtf8());
        return csv.fileName();
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    QStringList labels_, inputs_;
    QString err_;
};

TEST_F(OneRouteTest, EveryRouteGivesTheSameBill) {
    const QList<QStringList> rows = Rows();
    const QString today = QString::number(QDate::currentDate().day());
    QList<LabelBill> typed;
    for (const QStringList& row : rows) typed << Typed(row);

    // What the aids made of the typed rows, so that equal bills are not equally empty.
    const LabelBill& last = typed.last();
    EXPECT_EQ(last.value("金额"), "￥3,703.50");
    EXPECT_EQ(last.value("大写"), "叁仟柒佰零叁元伍角整");
    EXPECT_EQ(last.value("合计"), "￥3,703.00");
    EXPECT_EQ(last.value("合计位"), "零零叁柒零叁");
    EXPECT_EQ(last.value("日"), today); // 32 is no day: today's, unpadded
    EXPECT_EQ(last.value("月"), "柒");
    EXPECT_EQ(last.value("账号"), "00012345");
    for (const LabelBill& bill : typed) EXPECT_FALSE(bill.value("大写").isEmpty());

    // Stepped in from the bill-data grid over the boxes of the opened format.
    Reopen();
    window_->BillDataTab().SetData(GridRows(rows));
    for (int r = 0; r < rows.size(); ++r) {
        window_->DisplayCurrentRow(r);
        EXPECT_EQ(Shown(), typed[r]) << "stepped row " << r;
    }

    // The window's batch: every row over the boxes as they were (the last row stepped in).
    qint64 first = NextBill();
    const QString pdf = folder_.File("all.pdf");
    asker_.File(pdf);
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window_->PrintAllRows()) << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(StoredFrom(first), typed);

    // The command line's batch from a file, over the bill the opened format shows.
    first = NextBill();
    ASSERT_EQ(RunCommand({kFormat, "--data", CsvOf(rows), "--pdf", folder_.File("rows.pdf")}), 0)
        << err_.toStdString();
    EXPECT_EQ(StoredFrom(first), typed);

    // print --set, one bill per row.
    for (int r = 0; r < rows.size(); ++r) {
        QStringList args = {kFormat};
        for (int i = 0; i < inputs_.size(); ++i) args << "--set" << inputs_[i] + u'=' + rows[r][i];
        args << "--pdf" << folder_.File(QStringLiteral("set%1.pdf").arg(r));
        first = NextBill();
        ASSERT_EQ(RunCommand(args), 0) << err_.toStdString();
        EXPECT_EQ(StoredFrom(first), QList<LabelBill>{typed[r]}) << "print --set row " << r;
    }
}

TEST_F(OneRouteTest, PassingThroughAnEmptyDayBoxWritesTodayOnceUnpadded) {
    auto* box = qobject_cast<TextInputBox*>(window_->Designer().BoxById(Id("日")));
    for (int pass = 0; pass < 2; ++pass) {
        box->Editor()->setFocus();
        box->Editor()->clearFocus();
    }
    EXPECT_EQ(session_->CurrentBill().Value(Id("日")), QString::number(QDate::currentDate().day()));

    // The command line prints and stores what the box shows.
    const qint64 first = NextBill();
    const QString pdf = folder_.File("day.pdf");
    ASSERT_EQ(RunCommand({kFormat, "--set", "日=32", "--pdf", pdf}), 0) << err_.toStdString();
    EXPECT_EQ(StoredFrom(first).value(0).value("日"), QString::number(QDate::currentDate().day()));
    EXPECT_EQ(PdfText(pdf).simplified(), QString::number(QDate::currentDate().day()));
}

} // namespace
