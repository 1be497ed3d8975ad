#include "app/LoginDialog.h"

#include "app/AppTexts.h"
#include "core/Asker.h"
#include "store/StoreTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(Check check, Asker& asker, QWidget* parent)
    : QDialog(parent), check_(std::move(check)), asker_(asker), field_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Login"));
    setWindowTitle(AppText::kLoginTitle);
    field_->setObjectName(QStringLiteral("Password"));
    field_->setEchoMode(QLineEdit::Password);
    auto* button = new QPushButton(AppText::kLoginButton, this);
    button->setObjectName(QStringLiteral("OK"));
    button->setDefault(true); // Enter in the field presses it

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(AppText::kLoginField, this));
    row->addWidget(field_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(button, 0, Qt::AlignCenter);
    connect(button, &QPushButton::clicked, this, &LoginDialog::TryPassword);
}

void LoginDialog::TryPassword() {
    if (check_(field_->text())) {
        accept();
        return;
    }
    asker_.Message(StoreTexts::kWrongPassword);
    field_->selectAll();
    field_->setFocus();
}
