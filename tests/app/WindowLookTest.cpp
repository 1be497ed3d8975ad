// What a newcomer sees around the bill: Qt's own texts in Chinese, dialogs that show
// their titles, and a word before a bill is printed on paper too small for it.
#include "AppFixture.h"

#include "app/DialogTitles.h"
#include "app/HelpWindows.h"
#include "app/MainWindow.h"
#include "app/NumCutDialog.h"
#include "app/QtTranslations.h"
#include "app/Session.h"
#include "app/printui/OffsetsDialog.h"
#include "document/FormatDocument.h"
#include "core/Progress.h"
#include "store/FormatStore.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QAction>
#include <QRegularExpression>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>

TEST(QtTexts, QtsOwnButtonsSpeakChinese) {
    ASSERT_TRUE(InstallQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(DialogTitles, ANarrowDialogIsWidenedToShowItsTitle) {
    DialogTitleFitter fitter;
    qApp->installEventFilter(&fitter);
    NumCutDialog dialog(0);
    ASSERT_LT(dialog.sizeHint().width(), TitleWidth(&dialog)); // narrow by its content
    dialog.show();
    EXPECT_GE(dialog.width(), TitleWidth(&dialog));
    qApp->removeEventFilter(&fitter);
}

TEST(OffsetsDialog, TheExplanationSaysWhatToTypeForTheOtherWay) {
    PageParams page;
    OffsetsDialog dialog(page);
    bool found = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().startsWith("请在下列输入框")) found = label->text().endsWith("请填写负数。");
    EXPECT_TRUE(found);
}

namespace {
class PaperTest : public AppFixture {
protected:
    // The first page's size in mm from the PDF's media box.
    static QSizeF PdfPageMm(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")
                                                .match(QString::fromLatin1(file.readAll()));
        EXPECT_TRUE(box.hasMatch());
        return QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) * 25.4 / 72;
    }
};
} // namespace

TEST_F(PaperTest, ABillLargerThanThePaperIsMentionedBeforePrinting) {
    std::unique_ptr<Session> session = OpenSession();
    StoreSampleFormat(*session, "运单");
    Format large = *session->Formats().LoadFormat("运单", 15360);
    large.page.width = 241;
    large.page.height = 320; // taller than A4 as well
    SilentProgress progress;
    ASSERT_TRUE(session->Formats().SaveFormat(large, QString(), 15360, progress));
    MainWindow window(*session, asker_);
    window.StartUp();
    ASSERT_TRUE(window.OpenFormat("运单", true));

    // No: printed on the paper as it is, after the word.
    asker_.File(folder_.File("cut.pdf")).No();
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window.PrintCurrentBill());
    ASSERT_EQ(asker_.questions.size(), 1);
    EXPECT_TRUE(asker_.questions[0].contains("241")) << asker_.questions[0].toStdString();
    EXPECT_FALSE(session->CurrentFormat().page.options.setPaper);
    EXPECT_LT(PdfPageMm(folder_.File("cut.pdf")).width(), 240);

    // Yes: this format sets the paper from now on, and the page has the bill's size.
    asker_.File(folder_.File("whole.pdf")).Yes();
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window.PrintCurrentBill());
    EXPECT_TRUE(session->CurrentFormat().page.options.setPaper);
    const QSizeF whole = PdfPageMm(folder_.File("whole.pdf"));
    EXPECT_NEAR(whole.width(), 241, 0.5);
    EXPECT_NEAR(whole.height(), 320, 0.5);
    EXPECT_EQ(asker_.questions.size(), 2);
}

TEST_F(PaperTest, CommandsSayWhatTheyDidAndTheCanvasHasTheRoom) {
    std::unique_ptr<Session> session = OpenSession();
    StoreSampleFormat(*session, "支票", {1, 0, 0, 0, 1}); // not locked
    MainWindow window(*session, asker_);
    window.StartUp();
    window.resize(1100, 800);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.OpenFormat("支票", true));

    window.findChild<QAction*>("mSaveFmt")->trigger();
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("支票"));

    window.findChild<QAction*>("mCheckCtl")->trigger();
    ASSERT_FALSE(asker_.messages.isEmpty());
    EXPECT_EQ(asker_.messages.last(), "没有内容框在单据之外。");

    auto* splitter = window.findChild<QSplitter*>("PageAndGrids");
    ASSERT_TRUE(splitter);
    const QList<int> sizes = splitter->sizes();
    EXPECT_GT(sizes[0], 2 * sizes[1]);
    EXPECT_GE(splitter->handleWidth(), 5);
}

TEST(Help, TheGuideIsBundledAndAboutNamesTheVersion) {
    const QString guide = UserGuideHtml();
    for (const char* topic : {"扫描", "校准", "填写", "打印", "批量打印"})
        EXPECT_TRUE(guide.contains(QString::fromUtf8(topic))) << topic;
    EXPECT_TRUE(AboutText().contains(QStringLiteral("版本 0.")));
}
