// The format tree TV in the main window: what it shows, opening from it, its popup
// commands, dragging a format to a class, and the tree surviving a restart.
#include "AppFixture.h"

#include "app/FormatTreeView.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QTreeWidgetItemIterator>

namespace {

using namespace FormatTreeTexts;

class FormatTreeViewTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        for (const char* name : {"工行进账单", "顺丰快递", "杂项"}) StoreSampleFormat(*session_, name);
        ASSERT_TRUE(session_->Formats().WriteLastUse("工行进账单", {0, 0, 0}));
        StartWindow();
    }
    void StartWindow() {
        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->StartUp();
        window_->show();
        tree_ = window_->findChild<FormatTreeView*>("TV");
        ASSERT_TRUE(tree_);
    }
    void Restart() {
        window_.reset();
        session_.reset();
        session_ = OpenSession();
        StartWindow();
    }
    QTreeWidgetItem* Node(const QString& key) {
        QTreeWidgetItem* node = tree_->FindNode(key);
        EXPECT_TRUE(node) << key.toStdString();
        return node;
    }
    // Every node's key, a child after its parent.
    QStringList Keys() {
        QStringList keys;
        for (QTreeWidgetItemIterator it(tree_); *it; ++it) keys << FormatTreeView::KeyOf(*it);
        return keys;
    }
    // Drags the format node onto `target` the way a drop arrives; whether it was taken.
    bool Drag(const QString& formatKey, QTreeWidgetItem* target) {
        tree_->setCurrentItem(Node(formatKey));
        std::unique_ptr<QMimeData> data(tree_->model()->mimeData({tree_->currentIndex()}));
        tree_->scrollToItem(target);
        const QPoint at = tree_->visualItemRect(target).center();
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree_->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree_->viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree_->viewport(), &drop);
        return move.isAccepted() && drop.isAccepted();
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    FormatTreeView* tree_ = nullptr;
};

TEST_F(FormatTreeViewTest, ShowsTheClassesHighlightsTheOpenFormatAndOpensAnActivatedOne) {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    EXPECT_EQ(root->text(0), kRootText);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(FormatTreeView::KeyOf(Node("F工行进账单")->parent()), "C进账单");
    EXPECT_EQ(FormatTreeView::KeyOf(Node("F杂项")->parent()), "C其他");
    EXPECT_TRUE(Node("F工行进账单")->font(0).bold());
    EXPECT_TRUE(Node("C进账单")->isExpanded());
    EXPECT_FALSE(Node("C快递")->isExpanded());

    // Activating (Enter, or a double click) a class node opens nothing; a format node opens.
    auto activate = [this](const QString& key) {
        tree_->setCurrentItem(Node(key));
        QTest::keyClick(tree_, Qt::Key_Return);
    };
    activate("C支票");
    EXPECT_EQ(session_->CurrentFormat().name, "工行进账单");
    activate("F顺丰快递");
    EXPECT_EQ(session_->CurrentFormat().name, "顺丰快递");
    EXPECT_TRUE(Node("F顺丰快递")->font(0).bold());
    EXPECT_FALSE(Node("F工行进账单")->font(0).bold());

    // A format made from the menu is filed under its class as it opens.
    asker_.Text("邮政汇款单").Text("200").Text("100");
    window_->findChild<QAction*>("mNewFmt")->trigger();
    EXPECT_EQ(FormatTreeView::KeyOf(Node("F邮政汇款单")->parent()), "C邮政");
}

TEST_F(FormatTreeViewTest, AClassAddedAndAFormatDraggedToItSurviveARestart) {
    asker_.Text("银行票据");
    tree_->AddClass();
    QTreeWidgetItem* added = Node("C银行票据");
    EXPECT_EQ(added->foreground(0).color(), QColor(Qt::blue));

    EXPECT_TRUE(Drag("F工行进账单", added));
    EXPECT_EQ(FormatTreeView::KeyOf(Node("F工行进账单")->parent()), "C银行票据");
    // Onto a format node or the root nothing moves.
    const QStringList keys = Keys();
    EXPECT_FALSE(Drag("F顺丰快递", Node("F杂项")));
    EXPECT_FALSE(Drag("F顺丰快递", tree_->topLevelItem(0)));
    EXPECT_EQ(Keys(), keys);

    Restart();
    EXPECT_EQ(Keys(), keys);
    EXPECT_TRUE(Node("F工行进账单")->font(0).bold());
}

TEST_F(FormatTreeViewTest, PopupCommandsRenameAndDeleteNodes) {
    // Renaming the open format renames it everywhere, the window's label too.
    asker_.Text("建行进账单");
    tree_->RenameNode(Node("F工行进账单"));
    EXPECT_EQ(session_->CurrentFormat().name, "建行进账单");
    EXPECT_EQ(window_->findChild<QLabel*>("LFMT")->text(), "建行进账单");
    EXPECT_TRUE(Node("F建行进账单")->font(0).bold());
    EXPECT_EQ(session_->Formats().ReadLastUse().formatName, "建行进账单");
    window_->findChild<QAction*>("mSaveFmt")->trigger();
    EXPECT_EQ(session_->Formats().FormatNames(), QStringList({"建行进账单", "杂项", "顺丰快递"}));

    asker_.Yes();
    tree_->DeleteNode(Node("F顺丰快递"));
    EXPECT_FALSE(tree_->FindNode("F顺丰快递"));
    asker_.Text("票据");
    tree_->RenameNode(Node("C进账单"));
    EXPECT_EQ(FormatTreeView::KeyOf(Node("F建行进账单")->parent()), "C票据");
    EXPECT_TRUE(asker_.AllAnswered());
}

} // namespace
