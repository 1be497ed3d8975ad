// The calibration page from the window: the question comes before the printer and
// the file, so a user who answers no is asked for neither.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

using CalibrationWindowTest = AppFixture;

TEST_F(CalibrationWindowTest, AsksFirstAndChoosesThePrinterOnlyAfterYes) {
    auto session = OpenSession();
    ASSERT_TRUE(session);
    auto window = StartWindowOnSample(*session);
    auto* button = window->findChild<QPushButton*>(QStringLiteral("CmdCalibrate"));
    ASSERT_TRUE(button);

    // A chooser opened after "no" would be closed here and noted.
    bool chooserShown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            chooserShown = true;
            dialog->close();
        }
    });
    asker_.No();
    button->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(chooserShown);
    EXPECT_EQ(asker_.shown.size(), 1);

    const QString pdf = folder_.File("calibration.pdf");
    asker_.Yes().File(pdf);
    ChoosePdfWhenAsked(1);
    button->click();
    EXPECT_TRUE(QFile::exists(pdf)) << asker_.messages.join(' ').toStdString();
    ASSERT_EQ(asker_.questions.size(), 2);
    const qsizetype question = asker_.shown.lastIndexOf(asker_.questions.last());
    const qsizetype fileCaption = asker_.shown.lastIndexOf(QStringLiteral("打印到PDF文件"));
    EXPECT_LT(question, fileCaption);
    EXPECT_TRUE(asker_.AllAnswered());
}
