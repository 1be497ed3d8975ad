#include "app/printui/ProfileFields.h"

#include "app/printui/CalibrationDialog.h"
#include "app/printui/DecimalFields.h"
#include "print/ProfileTexts.h"
#include "store/PaperPosition.h"
#include "store/PrinterProfileStore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ProfileFields::ProfileFields(const ProfilePlace& place, QWidget* parent)
    : QGroupBox(ProfileText::kProfileGroup + QStringLiteral("（") + place.queue + QStringLiteral("）"), parent),
      place_(place), left_(DecimalField(QStringLiteral("ProfileOffsetX"), this)),
      up_(DecimalField(QStringLiteral("ProfileOffsetY"), this)),
      scaleX_(DecimalField(QStringLiteral("ProfileScaleX"), this)),
      scaleY_(DecimalField(QStringLiteral("ProfileScaleY"), this)),
      feed_(DecimalField(QStringLiteral("ProfileFeed"), this)),
      continuous_(new QCheckBox(ProfileText::kContinuousBox, this)),
      formatOnly_(new QCheckBox(ProfileText::kProfileFormatOnly, this)) {
    setObjectName(QStringLiteral("PrinterProfile"));
    continuous_->setObjectName(QStringLiteral("ProfileContinuous"));
    formatOnly_->setObjectName(QStringLiteral("ProfileFormatOnly"));
    formatOnly_->setEnabled(!place.format.isEmpty());
    Load();

    auto* layout = new QFormLayout(this);
    layout->addRow(ProfileText::kLeftLabel, left_);
    layout->addRow(ProfileText::kUpLabel, up_);
    layout->addRow(ProfileText::kScaleX, scaleX_);
    layout->addRow(ProfileText::kScaleY, scaleY_);
    layout->addRow(ProfileText::kFeed, feed_);
    layout->addRow(continuous_);
    if (!place.queue.isEmpty()) AddPaperPlace(*layout);
    layout->addRow(formatOnly_);
    if (place.db && place.calibrated && place.printSheet) {
        auto* calibrate = new QPushButton(ProfileText::kCalibrateButton, this);
        calibrate->setObjectName(QStringLiteral("ProfileCalibrate"));
        calibrate->setAutoDefault(false);
        connect(calibrate, &QPushButton::clicked, this, &ProfileFields::Calibrate);
        layout->addRow(calibrate);
    }
}

void ProfileFields::AddPaperPlace(QFormLayout& layout) {
    formStart_ = new QLabel(this);
    formStart_->setObjectName(QStringLiteral("ProfileFormStart"));
    formStart_->setToolTip(ProfileText::kRealignedHint);
    auto* realigned = new QPushButton(ProfileText::kRealignedButton, this);
    realigned->setObjectName(QStringLiteral("ProfileRealigned"));
    realigned->setAutoDefault(false);
    realigned->setToolTip(ProfileText::kRealignedHint);
    connect(realigned, &QPushButton::clicked, this, [this] {
        SaveFormStart(place_.queue, 0);
        ShowFormStart();
    });
    layout.addRow(formStart_, realigned);
    ShowFormStart();
}

void ProfileFields::ShowFormStart() {
    if (formStart_) formStart_->setText(ProfileText::FormStart(LoadFormStart(place_.queue)));
}

void ProfileFields::Load() {
    const PrinterProfileKey key{ThisSeat(), place_.queue, place_.format};
    const bool ownRow = place_.db && !place_.format.isEmpty() && LoadPrinterProfile(*place_.db, key);
    const PrinterProfile profile = place_.db ? EffectivePrinterProfile(*place_.db, key) : PrinterProfile{};
    const auto show = [](QLineEdit* field, double value) { field->setText(QString::number(value, 'g', 8)); };
    show(left_, profile.offsetX);
    show(up_, profile.offsetY);
    show(scaleX_, profile.scaleX);
    show(scaleY_, profile.scaleY);
    show(feed_, profile.feedMm);
    continuous_->setChecked(profile.continuous);
    formatOnly_->setChecked(ownRow);
    shownOwnRow_ = ownRow;
    QString unused;
    shown_ = Entered(&unused);
}

void ProfileFields::Calibrate() {
    CalibrationDialog dialog(*place_.db, place_.queue, *place_.calibrated, place_.printSheet, this);
    if (dialog.exec() == QDialog::Accepted) Load();
    ShowFormStart(); // the sheet moved the paper
}

std::optional<PrinterProfile> ProfileFields::Entered(QString* problem) const {
    const auto left = DecimalIn(left_), up = DecimalIn(up_), scaleX = DecimalIn(scaleX_), scaleY = DecimalIn(scaleY_),
               feed = DecimalIn(feed_);
    if (!left || !up || !scaleX || !scaleY || !feed) {
        *problem = ProfileText::kNotANumber;
        return std::nullopt;
    }
    const PrinterProfile profile{*left, *up, *scaleX, *scaleY, *feed, continuous_->isChecked()};
    *problem = ProfileProblem(profile);
    if (!problem->isEmpty()) return std::nullopt;
    return profile;
}

bool ProfileFields::Save(QString* problem) const {
    const std::optional<PrinterProfile> profile = Entered(problem);
    if (!profile || !place_.db) return false;
    // Confirming the dialog writes no profile the user did not change.
    if (profile == shown_ && formatOnly_->isChecked() == shownOwnRow_) return true;
    const QString format = formatOnly_->isChecked() ? place_.format : QString();
    // Kept for every format: the format's own row would still stand in its way.
    const bool ownRowGone = !format.isEmpty() || place_.format.isEmpty()
                            || DeletePrinterProfile(*place_.db, {ThisSeat(), place_.queue, place_.format});
    if (ownRowGone && SavePrinterProfile(*place_.db, {ThisSeat(), place_.queue, format}, *profile)) return true;
    *problem = ProfileText::kNotSaved;
    return false;
}
