#include "app/PasswordDialog.h"

#include "app/AppTexts.h"
#include "core/Asker.h"
#include "store/DatabaseKey.h"
#include "store/Login.h"
#include "store/PasswordKey.h"
#include "store/PasswordTexts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

PasswordDialog::PasswordDialog(Database& db, Asker& asker, QWidget* parent)
    : QDialog(parent), db_(db), asker_(asker) {
    setObjectName(QStringLiteral("ChangePassword"));
    setWindowTitle(AppText::kChangeTitle);
    auto* layout = new QFormLayout(this);
    old_ = AddField(QStringLiteral("OldPassword"), AppText::kOldTip);
    new_ = AddField(QStringLiteral("NewPassword"), AppText::kNewTip);
    repeat_ = AddField(QStringLiteral("RepeatPassword"), AppText::kNewTip);
    layout->addRow(AppText::kOldField, old_);
    layout->addRow(AppText::kNewField, new_);
    layout->addRow(AppText::kRepeatField, repeat_);
    auto* button = new QPushButton(AppText::kChangeButton, this);
    button->setObjectName(QStringLiteral("OK"));
    button->setDefault(true); // Enter in any field presses it
    layout->addRow(button);
    connect(button, &QPushButton::clicked, this, &PasswordDialog::Apply);
}

QLineEdit* PasswordDialog::AddField(const QString& objectName, const QString& tip) {
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setEchoMode(QLineEdit::Password);
    field->setToolTip(tip);
    return field;
}

void PasswordDialog::Apply() {
    const QString password = new_->text();
    if (!password.isEmpty() && password == repeat_->text() && !asker_.AskYesNo(PasswordText::kSetWarning))
        return;
    // A mismatch is told by the store; a wrong old password keeps the dialog open silently.
    switch (ChangeLoginPassword(db_, asker_, old_->text(), password, repeat_->text())) {
    case PasswordChange::Changed:
        if (!password.isEmpty()) OfferRecoveryFile();
        accept();
        return;
    case PasswordChange::NotStored: asker_.Message(PasswordText::kNotStored); return;
    default: return;
    }
}

void PasswordDialog::OfferRecoveryFile() {
    if (!asker_.AskYesNo(PasswordText::kOfferRecoveryFile)) return;
    const QString path = asker_.ChooseSaveFile(PasswordText::kRecoveryCaption, PasswordText::kRecoveryFilter,
                                               PasswordText::kRecoverySuggested);
    if (!path.isEmpty() && !WriteRecoveryFile(path, StoreKeyText()))
        asker_.Message(PasswordText::kRecoveryNotWritten.arg(path));
}
