#include "app/printui/CalibrationDialog.h"

#include "app/printui/DecimalFields.h"
#include "app/printui/OkCancelButtons.h"
#include "print/ProfileTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

CalibrationDialog::CalibrationDialog(Database& db, const QString& queue, const Format& format,
                                     std::function<bool(int)> printSheet, QWidget* parent)
    : QDialog(parent), db_(db), queue_(queue), format_(format), printSheet_(std::move(printSheet)),
      bills_(new QSpinBox(this)), firstX_(DecimalField(QStringLiteral("CrossFirstX"), this)),
      firstY_(DecimalField(QStringLiteral("CrossFirstY"), this)),
      lastX_(DecimalField(QStringLiteral("CrossLastX"), this)),
      lastY_(DecimalField(QStringLiteral("CrossLastY"), this)) {
    setWindowTitle(ProfileText::kCalibrationTitle + QStringLiteral(" — ") + queue);
    bills_->setObjectName(QStringLiteral("CalibrationBills"));
    bills_->setRange(1, kMaxCalibrationBills);
    bills_->setValue(kDefaultCalibrationBills);
    auto* print = new QPushButton(ProfileText::kPrintSheet, this);
    print->setObjectName(QStringLiteral("CalibrationPrint"));
    print->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &CalibrationDialog::PrintSheet);
    auto* steps = new QLabel(ProfileText::kCalibrationSteps, this);
    steps->setWordWrap(true);

    auto* layout = new QFormLayout(this);
    layout->addRow(steps);
    layout->addRow(ProfileText::kCalibrationBills, bills_);
    layout->addRow(QString(), print);
    layout->addRow(ProfileText::kFirstCrossX, firstX_);
    layout->addRow(ProfileText::kFirstCrossY, firstY_);
    layout->addRow(ProfileText::kLastCrossX, lastX_);
    layout->addRow(ProfileText::kLastCrossY, lastY_);
    layout->addRow(OkCancelButtons(this));
}

void CalibrationDialog::PrintSheet() {
    if (!printSheet_(bills_->value())) QMessageBox::warning(this, windowTitle(), ProfileText::kSheetNotPrinted);
}

bool CalibrationDialog::Store(QString* problem) {
    const auto x1 = DecimalIn(firstX_), y1 = DecimalIn(firstY_), xN = DecimalIn(lastX_), yN = DecimalIn(lastY_);
    if (!x1 || !y1 || !xN || !yN) {
        *problem = ProfileText::kMeasuredNotNumbers;
        return false;
    }
    const MeasuredCrosses measured{{*x1, *y1}, {*xN, *yN}};
    return StoreCalibration(db_, queue_, format_, bills_->value(), measured, problem).has_value();
}

void CalibrationDialog::accept() {
    QString problem;
    if (!Store(&problem)) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    QDialog::accept();
}
