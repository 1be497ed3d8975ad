#include "app/PasswordDialog.h"

#include "app/AppTexts.h"
#include "store/Login.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

PasswordDialog::PasswordDialog(ParamStore& params, Asker& asker, QWidget* parent)
    : QDialog(parent), params_(params), asker_(asker) {
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
    // A mismatch is told by the store; a wrong old password keeps the dialog open silently.
    if (ChangeLoginPassword(params_, asker_, old_->text(), new_->text(), repeat_->text()) ==
        PasswordChange::Changed)
        accept();
}
