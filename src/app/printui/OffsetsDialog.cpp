#include "app/printui/OffsetsDialog.h"

#include "app/printui/OkCancelButtons.h"
#include "app/printui/PrintUiTexts.h"
#include "store/Format.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {
constexpr double kStoredZero = 10; // offsets are stored with 10 added

QLineEdit* ShiftField(double stored, const QString& tip, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(stored - kStoredZero), parent);
    field->setToolTip(tip);
    field->setValidator(new QDoubleValidator(field));
    return field;
}
} // namespace

OffsetsDialog::OffsetsDialog(const PageParams& page, QWidget* parent, const ProfilePlace& place)
    : QDialog(parent),
      left_(ShiftField(page.offsetX, PrintUiText::kLeftTip, this)),
      up_(ShiftField(page.offsetY, PrintUiText::kUpTip, this)) {
    setWindowTitle(PrintUiText::kOffsetsTitle);
    left_->setObjectName(QStringLiteral("OffsetX"));
    up_->setObjectName(QStringLiteral("OffsetY"));
    auto* explanation = new QLabel(PrintUiText::kOffsetsExplanation, this);
    explanation->setWordWrap(true);
    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QFormLayout(this);
    layout->addRow(explanation);
    layout->addRow(PrintUiText::kLeftLabel, left_);
    layout->addRow(PrintUiText::kUpLabel, up_);
    layout->addRow(QString(), new QLabel(PrintUiText::kMillimetres, this));
    if (place.db && !place.queue.isEmpty()) {
        profile_ = new ProfileFields(place, this);
        layout->addRow(profile_);
    }
    layout->addRow(buttons);
}

bool OffsetsDialog::SaveProfile(QString* problem) const { return !profile_ || profile_->Save(problem); }

void OffsetsDialog::accept() {
    QString problem;
    if (profile_ && !profile_->Entered(&problem)) {
        QMessageBox::warning(this, PrintUiText::kOffsetsTitle, problem);
        return;
    }
    QDialog::accept();
}

bool OffsetsDialog::Apply(PageParams& page) const {
    bool leftOk = false, upOk = false;
    const double left = left_->text().trimmed().toDouble(&leftOk);
    const double up = up_->text().trimmed().toDouble(&upOk);
    if (!leftOk || !upOk) return false;
    page.offsetX = left + kStoredZero;
    page.offsetY = up + kStoredZero;
    return true;
}

bool EditPrintOffsets(PageParams& page, QWidget* parent, const ProfilePlace& place) {
    OffsetsDialog dialog(page, parent, place);
    const PageParams before = page;
    if (dialog.exec() != QDialog::Accepted) return false;
    QString problem;
    if (!dialog.SaveProfile(&problem)) QMessageBox::warning(parent, PrintUiText::kOffsetsTitle, problem);
    return dialog.Apply(page) && !(page == before);
}
