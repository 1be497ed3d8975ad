#include "app/LoginDialog.h"

#include "app/AppTexts.h"
#include "store/Login.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(ParamStore& params, Asker& asker, QWidget* parent)
    : QDialog(parent), params_(params), asker_(asker), field_(new QLineEdit(this)) {
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
    connect(button, &QPushButton::clicked, this, &LoginDialog::Check);
}

void LoginDialog::Check() {
    if (Login(params_, asker_, field_->text())) {
        accept();
        return;
    }
    field_->selectAll();
    field_->setFocus();
}
