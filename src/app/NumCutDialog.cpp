#include "app/NumCutDialog.h"

#include "app/AppTexts.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

NumCutDialog::NumCutDialog(int current, QWidget* parent)
    : QDialog(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("SetNumCutMethod"));
    setWindowTitle(AppText::kNumCutTitle);
    auto* layout = new QVBoxLayout(this);
    int index = 0;
    for (const QString& text : AppText::kNumCutOptions) {
        auto* option = new QRadioButton(text, this);
        option->setObjectName(QStringLiteral("Option%1").arg(index));
        group_->addButton(option, index);
        layout->addWidget(option);
        ++index;
    }
    if (QAbstractButton* chosen = group_->button(current)) chosen->setChecked(true);
    else group_->button(0)->setChecked(true);
    auto* button = new QPushButton(AppText::kNumCutButton, this);
    button->setObjectName(QStringLiteral("OK"));
    button->setDefault(true);
    layout->addWidget(button, 0, Qt::AlignCenter);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
}

int NumCutDialog::Method() const { return group_->checkedId(); }
