#include "AppFixture.h"

#include "app/LoginDialog.h"
#include "app/NumCutDialog.h"
#include "app/PasswordDialog.h"
#include "app/Session.h"
#include "store/Login.h"
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
    ASSERT_TRUE(Params().SetParam(kPasswordKey, "Secret"));
    LoginDialog dialog(Params(), asker_);
    dialog.show();

    Type(dialog, "Password", "secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(asker_.messages, QStringList({"密码错误！"}));
    EXPECT_TRUE(dialog.isVisible()); // another try

    Type(dialog, "Password", "Secret");
    PressEnter(dialog, "Password");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(asker_.messages.size(), 1);
}

TEST_F(PasswordDialogs, ChangingThePasswordNeedsTheOldOneAndTwoEqualNewOnes) {
    PasswordDialog dialog(Params(), asker_);
    dialog.show();

    // Different repetitions: told, nothing stored.
    Type(dialog, "NewPassword", "abc");
    Type(dialog, "RepeatPassword", "abd");
    PressEnter(dialog, "RepeatPassword");
    EXPECT_EQ(asker_.messages, QStringList({"两次输入的新密码不相符！"}));
    EXPECT_FALSE(LoginRequired(Params()));

    // The first password: the old one is empty.
    Type(dialog, "RepeatPassword", "abc");
    PressEnter(dialog, "OldPassword");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(CheckLoginPassword(Params(), "abc"));

    // A wrong old password (case matters) changes nothing and says nothing.
    PasswordDialog again(Params(), asker_);
    again.show();
    Type(again, "OldPassword", "ABC");
    PressEnter(again, "NewPassword");
    EXPECT_EQ(asker_.shown.size(), 1);
    EXPECT_TRUE(again.isVisible());
    EXPECT_TRUE(CheckLoginPassword(Params(), "abc"));
    // With the right old password, empty new ones remove the protection.
    Type(again, "OldPassword", "abc");
    PressEnter(again, "OldPassword");
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_FALSE(LoginRequired(Params()));
}

TEST(NumCutDialog, ShowsTheCurrentMethodAndTheFirstForAnUnknownOne) {
    NumCutDialog dialog(2);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Option2")->isChecked());
    EXPECT_EQ(dialog.Method(), 2);
    EXPECT_EQ(NumCutDialog(7).Method(), 0);
}
