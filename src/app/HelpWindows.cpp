#include "app/HelpWindows.h"

#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/SampleFormats.h"
#include "app/Session.h"
#include "core/Asker.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

void ShowUserGuide(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("UserGuide"));
    dialog.setWindowTitle(QStringLiteral("使用说明"));
    auto* browser = new QTextBrowser(&dialog);
    browser->setHtml(UserGuideHtml());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(browser);
    dialog.resize(720, 640);
    dialog.exec();
}

void CreateSamples(MainWindow& window, Session& session, Asker& asker) {
    QString error;
    const QStringList created = CreateSampleFormats(session.Db(), window.ProgressIndicator(), &error);
    if (!error.isEmpty()) asker.Message(error);
    if (created.isEmpty()) {
        if (error.isEmpty()) asker.Message(QStringLiteral("示例格式都已存在。"));
        return;
    }
    window.OpenFormat(created.first(), true);
    asker.Message(QStringLiteral("已创建示例格式：%1。\n填好的示例内容可以直接打印。").arg(created.join(QStringLiteral("、"))));
}

// The hint of an empty store gets a button beside it that offers the samples; it
// shows and hides with the hint.
void OfferSamplesBesideHint(MainWindow& window, Session& session, Asker& asker) {
    auto* hint = window.findChild<QLabel*>(QStringLiteral("NoFormatHint"));
    auto* layout = hint ? qobject_cast<QVBoxLayout*>(hint->parentWidget()->layout()) : nullptr;
    if (!layout) return;
    auto* offer = new QPushButton(QStringLiteral("创建示例格式"), hint->parentWidget());
    offer->setObjectName(QStringLiteral("CreateSamples"));
    layout->insertWidget(layout->indexOf(hint) + 1, offer, 0, Qt::AlignHCenter);
    offer->setVisible(hint->isVisibleTo(hint->parentWidget()));
    QObject::connect(offer, &QPushButton::clicked, &window,
                     [&window, &session, &asker] { CreateSamples(window, session, asker); });
    struct Follower : QObject {
        QWidget* button;
        Follower(QObject* parent, QWidget* b) : QObject(parent), button(b) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::ShowToParent) button->show();
            if (event->type() == QEvent::HideToParent) button->hide();
            return QObject::eventFilter(watched, event);
        }
    };
    hint->installEventFilter(new Follower(offer, offer));
}

} // namespace

QString UserGuideHtml() {
    QFile file(QStringLiteral(":/help/guide.html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString AboutText() {
    return QStringLiteral("票据套打 Vellumark\n版本 %1\n\n把数据套打到已印好的票据上：支票、进账单、运单、标签……")
        .arg(QStringLiteral(VELLUMARK_VERSION));
}

void ConnectHelpMenu(MainWindow& window, Session& session, Asker& asker) {
    const auto item = [&window](const char* name) {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        action->setEnabled(true);
        return action;
    };
    QObject::connect(item("mHelp"), &QAction::triggered, &window, [&window] { ShowUserGuide(&window); });
    QObject::connect(item("mAbout"), &QAction::triggered, &window,
                     [&window] { QMessageBox::about(&window, QStringLiteral("关于"), AboutText()); });
    QObject::connect(item("mSamples"), &QAction::triggered, &window,
                     [&window, &session, &asker] { CreateSamples(window, session, asker); });
    OfferSamplesBesideHint(window, session, asker);
}
