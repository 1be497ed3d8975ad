// The sample formats a newcomer starts from: made once, with pictures, types and
// values, printable from the command line and offered by the empty window.
#include "AppFixture.h"

#include "cli/CommandLine.h"
#include "app/MainWindow.h"
#include "app/SampleFormats.h"
#include "app/Session.h"
#include "core/Progress.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "records/BoxValues.h"
#include "records/Defaults.h"
#include "store/Bill.h"
#include "store/BoxLinks.h"
#include "store/FormatStore.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTextStream>

namespace {
class SampleFormats : public AppFixture {
protected:
    int Run(const QStringList& arguments, QString* output = nullptr) {
        QString text, errors;
        QTextStream out(&text), err(&errors);
        const int code = RunSubCommand(ParseCommandLine(arguments), SubCommands(), out, err);
        out.flush();
        err.flush();
        if (output) *output = text;
        EXPECT_TRUE(errors.isEmpty() || code != 0) << errors.toStdString();
        return code;
    }
};
} // namespace

TEST_F(SampleFormats, EachHasItsPictureTypesAndFilledValuesAndIsMadeOnce) {
    std::unique_ptr<Session> session = OpenSession();
    SilentProgress progress;
    QString error;
    EXPECT_EQ(CreateSampleFormats(session->Db(), progress, &error), SampleFormatNames());
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const QSizeF sizes[] = {{210, 297}, {241, 140}, {105, 59.4}};
    int index = 0;
    for (const QString& name : SampleFormatNames()) {
        const std::optional<Format> format = session->Formats().LoadFormat(name, 15360);
        ASSERT_TRUE(format) << name.toStdString();
        EXPECT_EQ(QSizeF(format->page.width, format->page.height), sizes[index++]);
        const QImage picture(BackgroundPicturePath(name));
        EXPECT_NEAR(double(picture.width()) / picture.height(), format->page.width / format->page.height, 0.02);
        Bill bill;
        ASSERT_TRUE(LoadDefaults(session->Db(), *format, bill, ValueFilling{}, progress));
        for (const BoxRecord* box : ValueBoxes(*format))
            EXPECT_FALSE(bill.Value(box->id).isEmpty()) << box->label.toStdString();
    }
    // The slip's amount in words is typed as a number and shown converted.
    const Format slip = *session->Formats().LoadFormat(SampleFormatNames()[0], 15360);
    Bill bill;
    LoadDefaults(session->Db(), slip, bill, ValueFilling{}, progress);
    for (const BoxRecord& box : slip.boxes) {
        if (box.label == "金额大写") {
            EXPECT_EQ(bill.Value(box.id), "壹万贰仟叁佰肆拾伍元陆角整");
        }
    }

    EXPECT_TRUE(CreateSampleFormats(session->Db(), progress, &error).isEmpty());
    EXPECT_EQ(session->Formats().FormatNames().size(), 3);
}

// A newcomer's first print is whole and consistent: each sample sets the paper to its
// own size, the slip's 金额 fills its 金额大写, and the dates are today's.
TEST_F(SampleFormats, PrintWholeWithLinkedAmountsAndTodaysDate) {
    std::unique_ptr<Session> session = OpenSession();
    SilentProgress progress;
    CreateSampleFormats(session->Db(), progress, nullptr);
    for (const QString& name : SampleFormatNames())
        EXPECT_TRUE(session->Formats().LoadPageParams(name)->options.setPaper) << name.toStdString();

    const Format slip = *session->Formats().LoadFormat(SampleFormatNames()[0], 15360);
    const auto boxOf = [&](const QString& label) {
        return *std::find_if(slip.boxes.begin(), slip.boxes.end(),
                             [&](const BoxRecord& box) { return box.label == label; });
    };
    const BoxRelation link = boxOf("金额").Relation();
    EXPECT_EQ(link.id, boxOf("金额大写").id);
    EXPECT_FALSE(link.related);

    Bill bill;
    LoadDefaults(session->Db(), slip, bill, ValueFilling{}, progress);
    const QDate today = QDate::currentDate();
    const QString date = bill.Value(boxOf("日期").id);
    EXPECT_TRUE(date.contains(QString::number(today.year())) && date.contains(QString::number(today.day())))
        << date.toStdString();
}

TEST_F(SampleFormats, TheCommandLineMakesThemAndPrintsOne) {
    QString output;
    ASSERT_EQ(Run({"create-samples"}, &output), 0);
    EXPECT_EQ(output.count("已创建示例格式"), 3);
    const QString pdf = folder_.File("waybill.pdf");
    ASSERT_EQ(Run({"print", "示例-快递运单", "--set", "收件人=赵六", "--pdf", pdf, "--no-history"}), 0);
    EXPECT_GT(QFile(pdf).size(), 1000);
}

TEST_F(SampleFormats, TheEmptyWindowOffersThemAndOpensTheFirst) {
    std::unique_ptr<Session> session = OpenSession();
    MainWindow window(*session, asker_);
    window.StartUp();
    window.show();
    auto* offer = window.findChild<QPushButton*>("CreateSamples");
    ASSERT_TRUE(offer);
    EXPECT_TRUE(offer->isVisible());
    offer->click();
    EXPECT_EQ(session->CurrentFormat().name, SampleFormatNames()[0]);
    EXPECT_FALSE(offer->isVisible());
    ASSERT_FALSE(window.Designer().Boxes().isEmpty());
    EXPECT_FALSE(window.Designer().Boxes().first()->Content().isEmpty());
    EXPECT_TRUE(asker_.messages.last().contains("已创建示例格式"));
}
