#include "AppFixture.h"

#include "app/LoginDialog.h"
#include "app/NumCutDialog.h"
#include "app/PasswordDialog.h"
#include "app/Session.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/Login.h"
#include "store/PasswordKey.h"
#include "store/ParamStore.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kPasswordKey = QStringLiteral("软件密码");

class PasswordDialogs : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
    }
    ParamStore& Params() { return session_->Params(); }

    static void Type(QDialog& dialog, const char* field, const QString& text) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(field));
        ASSERT_TRUE(edit) << field;
        edit->setText(text);
    }
    // Enter in the given field, as the user confirms.
    static void PressEnter(QDialog& dialog, const char* field) {
        QTest::keyClick(dialog.findChild<QLineEdit*>(QString::fromLatin1(field)), Qt::Key_Return);
    }

    std::unique_ptr<Session> session_;
};

} // namespace

TEST_F(PasswordDialogs, LoginRetriesAfterAWrongPasswordAndComparesCaseSensitively) {
    // A store of an older version that keeps its password as text.
    ASSERT_TRUE(Params().SetParam(kPasswordKey, "Secret"));
    LoginDialog dialog([&](const QString& typed) { return Login(session_->Db(), typed); }, asker_);
    dialog.show();

    Type(dialog, "Password", "secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(asker_.messages, QStringList({"密码错误！"}));
    EXPECT_TRUE(dialog.isVisible()); // another try

    Type(dialog, "Password", "Secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(asker_.messages.size(), 1);
    // The right one converted the store: the key holds it, the row nothing.
    EXPECT_TRUE(UsingPasswordKey());
    EXPECT_EQ(Params().GetParam(kPasswordKey), QString());
}

TEST_F(PasswordDialogs, ChangingThePasswordNeedsTheOldOneAndTwoEqualNewOnes) {
    PasswordDialog dialog(session_->Db(), asker_);
    dialog.show();

    // Different repetitions: told, nothing stored.
    Type(dialog, "NewPassword", "abc");
    Type(dialog, "RepeatPassword", "abd");
    PressEnter(dialog, "RepeatPassword");
    EXPECT_EQ(asker_.messages, QStringList({"两次输入的新密码不相符！"}));
    EXPECT_FALSE(UsingPasswordKey());

    // The first password: warned, confirmed, then offered a recovery file.
    const QString recovery = folder_.File("recovery.key");
    asker_.Yes().Yes().File(recovery);
    Type(dialog, "RepeatPassword", "abc");
    PressEnter(dialog, "OldPassword");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(asker_.questions.value(0).contains("忘记密码将无法找回"));
    EXPECT_TRUE(asker_.questions.value(0).contains("备份"));
    EXPECT_TRUE(CheckLoginPassword(session_->Db(), "abc"));
    EXPECT_TRUE(OwnerOnly(recovery));
    EXPECT_EQ(ReadRecoveryFile(recovery), StoreKeyText());
    EXPECT_TRUE(asker_.AllAnswered());

    // A wrong old password (case matters) changes nothing and says nothing.
    PasswordDialog again(session_->Db(), asker_);
    again.show();
    Type(again, "OldPassword", "ABC");
    PressEnter(again, "NewPassword");
    EXPECT_EQ(asker_.messages.size(), 1);
    EXPECT_TRUE(again.isVisible());
    EXPECT_TRUE(CheckLoginPassword(session_->Db(), "abc"));
    // With the right old password, empty new ones remove the protection.
    Type(again, "OldPassword", "abc");
    PressEnter(again, "OldPassword");
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_FALSE(UsingPasswordKey());
    EXPECT_TRUE(FileOpensWith(session_->Db().Path(), FixedStoreKey()));
}

TEST_F(PasswordDialogs, AKeyedStoreOpensOnlyAfterTheLoginTakesItsPassword) {
    ASSERT_EQ(SetLoginPassword(session_->Db(), {}, "Secret"), PasswordChange::Changed);
    const QString store = session_->Db().Path();
    session_.reset();
    UseStoreKey({}); // a new start
    ASSERT_TRUE(StoreNeedsPassword(store));

    LoginDialog dialog([&](const QString& typed) { return UnlockWithPassword(store, store, typed); }, asker_);
    dialog.show();
    Type(dialog, "Password", "secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(asker_.messages.value(0), "密码错误！");
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog, "Password", "Secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    session_ = OpenSession();
    EXPECT_TRUE(session_);
}

TEST_F(PasswordDialogs, DecliningTheWarningSetsNoPassword) {
    PasswordDialog dialog(session_->Db(), asker_);
    dialog.show();
    asker_.No();
    Type(dialog, "NewPassword", "abc");
    Type(dialog, "RepeatPassword", "abc");
    PressEnter(dialog, "RepeatPassword");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(UsingPasswordKey());
}

TEST(NumCutDialog, ShowsTheCurrentMethodAndTheFirstForAnUnknownOne) {
    NumCutDialog dialog(2);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Option2")->isChecked());
    EXPECT_EQ(dialog.Method(), 2);
    EXPECT_EQ(NumCutDialog(7).Method(), 0);
}
