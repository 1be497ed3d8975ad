#include "app/BarcodeStandardDialog.h"

#include "app/AppTexts.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

BarcodeStandardDialog::BarcodeStandardDialog(BarcodeStandard standard, QWidget* parent)
    : QDialog(parent), options_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("BarCodeSet"));
    setWindowTitle(AppText::kBarcodeTitle);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(AppText::kBarcodeOptions[i], this);
        options_->addButton(option, i);
        layout->addWidget(option);
    }
    QAbstractButton* current = options_->button(static_cast<int>(standard));
    (current ? current : options_->button(0))->setChecked(true);
    auto* ok = new QPushButton(AppText::kBarcodeButton, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

BarcodeStandard BarcodeStandardDialog::Standard() const {
    return static_cast<BarcodeStandard>(options_->checkedId());
}
