#include "app/printui/OkCancelButtons.h"

#include "app/printui/PrintUiTexts.h"

#include <QDialog>
#include <QDialogButtonBox>

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(PrintUiText::kOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(PrintUiText::kCancel, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
