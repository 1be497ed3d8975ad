#include "app/printui/SelectPrinterDialog.h"

#include "app/printui/OkCancelButtons.h"
#include "app/printui/PrintUiTexts.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>

int CopiesFromText(const QString& text) {
    bool ok = false;
    const int copies = text.trimmed().toInt(&ok);
    return ok && copies > 1 ? std::min(copies, kMaxCopies) : 1;
}

SelectPrinterDialog::SelectPrinterDialog(const QString& currentPrinter, QWidget* parent)
    : QDialog(parent), printers_(new QComboBox(this)), copies_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("SelPrinter"));
    setWindowTitle(PrintUiText::kSelectPrinterTitle);
    const QStringList installed = InstalledPrinterNames();
    printers_->setEditable(true);
    printers_->addItems(installed);
    printers_->addItem(PrintUiText::kPdfChoice);
    printers_->setToolTip(PrintUiText::kPrinterTip);
    const QString preferred = PreferredPrinter(currentPrinter, installed);
    printers_->setCurrentText(preferred.isEmpty() ? PrintUiText::kPdfChoice : preferred);
    copies_->setText(QStringLiteral("1"));
    copies_->setValidator(new QIntValidator(1, kMaxCopies, copies_));

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QFormLayout(this);
    layout->addRow(printers_);
    layout->addRow(PrintUiText::kCopies, copies_);
    layout->addRow(buttons);
}

PrinterSelection SelectPrinterDialog::Selection() const {
    PrinterSelection selection;
    const QString text = printers_->currentText().trimmed();
    selection.pdf = text == PrintUiText::kPdfChoice;
    if (!selection.pdf) selection.printer = text;
    selection.copies = CopiesFromText(copies_->text());
    return selection;
}
