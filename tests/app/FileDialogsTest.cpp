// The window's file dialogs: the type's extension added to a name typed without it,
// the last folder used remembered, and Qt's own dialog state kept out of the user's
// configuration when a data folder is named.
#include "AppFixture.h"

#include "app/FileDialogs.h"
#include "app/MainWindow.h"
#include "app/Session.h"

#include <QAction>
#include <QDate>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

namespace {

class FileDialogsTest : public AppFixture {};

const QString kPdfFilter = QStringLiteral("PDF文件(*.pdf)");

// Once the save dialog shows: notes the folder it opened in and the name it suggests,
// then types `name` into it and accepts.
void TypeNameWhenAsked(const QString& name, QString* folder, QString* suggested) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        *folder = dialog->directory().absolutePath();
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(field);
        *suggested = field->text();
        field->setText(name);
        QMetaObject::invokeMethod(dialog, "accept"); // as the 保存 button does
    });
}

} // namespace

TEST_F(FileDialogsTest, TheTypesExtensionIsAddedWhenTheNameHasNone) {
    EXPECT_EQ(WithFilterExtension("/tmp/账单", kPdfFilter), "/tmp/账单.pdf");
    EXPECT_EQ(WithFilterExtension("/tmp/账单.PDF", kPdfFilter), "/tmp/账单.PDF");
    EXPECT_EQ(WithFilterExtension("/tmp/账单.2026", kPdfFilter), "/tmp/账单.2026.pdf");
    EXPECT_EQ(WithFilterExtension("/tmp/表", QStringLiteral("Excel(*.xlsx *.xls);;CSV(*.csv)")), "/tmp/表.xlsx");
    EXPECT_EQ(WithFilterExtension("/tmp/任意", QStringLiteral("所有文件(*)")), "/tmp/任意");
    EXPECT_EQ(WithFilterExtension(QString(), kPdfFilter), QString());
}

TEST_F(FileDialogsTest, SaveDialogsOpenInTheLastFolderWithTheSuggestedName) {
    const QString first = folder_.File("甲");
    ASSERT_TRUE(QDir().mkpath(first));
    QString folder, suggested;
    TypeNameWhenAsked(first + "/账单", &folder, &suggested);
    EXPECT_EQ(ChooseFileToSave(nullptr, "打印到PDF文件", kPdfFilter, "支票-2026-12-07.pdf"),
              first + "/账单.pdf");
    EXPECT_EQ(suggested, "支票-2026-12-07.pdf");

    // The next dialog, of any kind, starts where the last one ended.
    TypeNameWhenAsked("第二张", &folder, &suggested);
    EXPECT_EQ(ChooseFileToSave(nullptr, "打印到PDF文件", kPdfFilter), first + "/第二张.pdf");
    EXPECT_EQ(folder, first);
}

TEST_F(FileDialogsTest, APrintToPdfSuggestsTheFormatAndTheDay) {
    auto session = OpenSession();
    ASSERT_TRUE(session);
    auto window = StartWindowOnSample(*session);
    asker_.File(folder_.File("bill.pdf"));
    ChoosePdfWhenAsked(1);
    window->findChild<QAction*>("mPrint")->trigger();
    EXPECT_EQ(asker_.suggestedNames,
              QStringList({"支票-" + QDate::currentDate().toString("yyyy-MM-dd") + ".pdf"}));
    EXPECT_TRUE(QFileInfo::exists(folder_.File("bill.pdf")));
}

// Run by the test below in a process of its own, with HOME and the configuration
// folder in a temporary folder and the data folder named; skipped otherwise.
TEST(FileDialogsChild, OpensAndClosesADialog) {
    if (qEnvironmentVariableIsEmpty("VELLUMARK_DIALOG_CHILD")) GTEST_SKIP();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    EXPECT_EQ(ChooseFileToOpen(nullptr, "导入", "CSV(*.csv)"), QString());
}

TEST_F(FileDialogsTest, QtsDialogStateStaysInTheNamedDataFolder) {
    QTemporaryDir home;
    const QString config = home.filePath(".config");
    const QString data = home.filePath("数据");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("VELLUMARK_HOME", data);
    environment.insert("VELLUMARK_DIALOG_CHILD", "1");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=FileDialogsChild.*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();

    QStringList written;
    for (QDirIterator files(config, QDir::Files, QDirIterator::Subdirectories); files.hasNext();)
        written << files.next();
    EXPECT_EQ(written, QStringList());
    EXPECT_TRUE(QFileInfo::exists(data + "/Settings/QtProject.conf"));
}
