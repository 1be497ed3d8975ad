#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "store/Login.h"
#include "store/ParamStore.h"
#include "store/StoreTexts.h"

TEST_F(StoreTest, LoginPasswordCheckAndChange) {
    ParamStore params(*db);
    ScriptedAsker asker;
    EXPECT_FALSE(LoginRequired(params));

    EXPECT_EQ(ChangeLoginPassword(params, asker, {}, QStringLiteral("Abc"), QStringLiteral("abc")),
              PasswordChange::Mismatch);
    EXPECT_EQ(asker.messages, QStringList{StoreTexts::kNewPasswordsDiffer});
    EXPECT_FALSE(LoginRequired(params));

    EXPECT_EQ(ChangeLoginPassword(params, asker, {}, QStringLiteral("Abc"), QStringLiteral("Abc")),
              PasswordChange::Changed);
    EXPECT_TRUE(LoginRequired(params));
    EXPECT_FALSE(Login(params, asker, QStringLiteral("abc")));
    EXPECT_EQ(asker.messages.last(), StoreTexts::kWrongPassword);
    EXPECT_TRUE(Login(params, asker, QStringLiteral("Abc")));

    // A wrong old password changes nothing and says nothing.
    const qsizetype shown = asker.shown.size();
    EXPECT_EQ(ChangeLoginPassword(params, asker, QStringLiteral("abc"), {}, {}),
              PasswordChange::WrongOldPassword);
    EXPECT_EQ(asker.shown.size(), shown);
    EXPECT_TRUE(CheckLoginPassword(params, QStringLiteral("Abc")));

    // An empty new password removes the protection.
    EXPECT_EQ(ChangeLoginPassword(params, asker, QStringLiteral("Abc"), {}, {}),
              PasswordChange::Changed);
    EXPECT_FALSE(LoginRequired(params));
}
