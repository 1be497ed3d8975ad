#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/WindowApp.h"
#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "document/FormatController.h"
#include "store/FormatStore.h"
#include "core/Progress.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

void ChoosePdfWhenAsked(int copies) { ChoosePrinterWhenAsked(QStringLiteral("PDF文件"), copies); }

void ChoosePrinterWhenAsked(const QString& printer, int copies) {
    QTimer::singleShot(0, [printer, copies] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->findChild<QComboBox*>()->setCurrentText(printer);
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            if (!field->parent()->inherits("QComboBox")) field->setText(QString::number(copies));
        dialog->accept();
    });
}

AppFixture::AppFixture() {
    // Settings go to this test's own folder, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

AppFixture::~AppFixture() = default;

std::unique_ptr<Session> AppFixture::OpenSession() {
    std::unique_ptr<Session> session = ::OpenSession(asker_);
    EXPECT_TRUE(session) << asker_.messages.join(' ').toStdString();
    return session;
}

void AppFixture::StoreSampleFormat(Session& session, const QString& name,
                                   std::array<int, 5> optionBoxes) {
    Format format;
    format.name = name;
    format.page.width = 210;
    format.page.height = 99;
    format.page.offsetX = 11.5;
    format.page.offsetY = 9;
    format.page.options.optionBoxes = optionBoxes;
    BoxRecord fixed;
    fixed.id = kFirstTemporaryId;
    fixed.x = 10, fixed.y = 20, fixed.w = 50, fixed.h = 8;
    fixed.fontSize = 12;
    fixed.mem = QStringLiteral("固定文字");
    BoxRecord payee = fixed;
    payee.id = kFirstTemporaryId + 1;
    payee.label = QStringLiteral("收款人");
    payee.mem.clear();
    BoxRecord check = payee;
    check.id = kFirstTemporaryId + 2;
    check.kind = BoxKind::Check;
    check.label = QStringLiteral("现金");
    check.dir = 2;
    check.bold = true;
    format.boxes = {fixed, payee, check};
    SilentProgress progress;
    ASSERT_TRUE(session.Formats().SaveFormat(format, QString(), 15360, progress));
}

std::unique_ptr<MainWindow> AppFixture::StartWindowOnSample(Session& session) {
    if (!session.Formats().Exists("支票")) {
        StoreSampleFormat(session, "支票");
        EXPECT_TRUE(session.Formats().WriteLastUse("支票", {0, 0, 0}));
    }
    auto window = std::make_unique<MainWindow>(session, asker_);
    window->StartUp();
    window->show();
    EXPECT_EQ(session.CurrentFormat().name, "支票");
    return window;
}

void AppFixture::EnterValue(MainWindow& window, qint64 id, const QString& text) {
    FormatController& controller = window.Controller();
    ::EnterValue(controller.Document(), id, text, EntryRoute::DataRow, controller.Aids());
}
