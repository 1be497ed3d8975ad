#include "app/printui/ProfileFields.h"

#include "print/ProfileTexts.h"
#include "store/PrinterProfileStore.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLineEdit>

namespace {

QLineEdit* NumberField(double value, const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value, 'g', 8), parent);
    field->setObjectName(name);
    field->setValidator(new QDoubleValidator(field));
    return field;
}

std::optional<double> Number(const QLineEdit* field) {
    bool ok = false;
    const double value = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

ProfileFields::ProfileFields(const ProfilePlace& place, QWidget* parent)
    : QGroupBox(ProfileText::kProfileGroup + QStringLiteral("（") + place.queue + QStringLiteral("）"), parent),
      place_(place) {
    setObjectName(QStringLiteral("PrinterProfile"));
    const PrinterProfileKey key{ThisSeat(), place.queue, place.format};
    const bool ownRow = place.db && !place.format.isEmpty() && LoadPrinterProfile(*place.db, key);
    const PrinterProfile profile = place.db ? EffectivePrinterProfile(*place.db, key) : PrinterProfile{};
    left_ = NumberField(profile.offsetX, QStringLiteral("ProfileOffsetX"), this);
    up_ = NumberField(profile.offsetY, QStringLiteral("ProfileOffsetY"), this);
    scaleX_ = NumberField(profile.scaleX, QStringLiteral("ProfileScaleX"), this);
    scaleY_ = NumberField(profile.scaleY, QStringLiteral("ProfileScaleY"), this);
    feed_ = NumberField(profile.feedMm, QStringLiteral("ProfileFeed"), this);
    continuous_ = new QCheckBox(ProfileText::kContinuousBox, this);
    continuous_->setObjectName(QStringLiteral("ProfileContinuous"));
    continuous_->setChecked(profile.continuous);
    formatOnly_ = new QCheckBox(ProfileText::kProfileFormatOnly, this);
    formatOnly_->setObjectName(QStringLiteral("ProfileFormatOnly"));
    formatOnly_->setChecked(ownRow);
    formatOnly_->setEnabled(!place.format.isEmpty());

    auto* layout = new QFormLayout(this);
    layout->addRow(ProfileText::kLeftLabel, left_);
    layout->addRow(ProfileText::kUpLabel, up_);
    layout->addRow(ProfileText::kScaleX, scaleX_);
    layout->addRow(ProfileText::kScaleY, scaleY_);
    layout->addRow(ProfileText::kFeed, feed_);
    layout->addRow(continuous_);
    layout->addRow(formatOnly_);
}

std::optional<PrinterProfile> ProfileFields::Entered(QString* problem) const {
    const auto left = Number(left_), up = Number(up_), scaleX = Number(scaleX_), scaleY = Number(scaleY_),
               feed = Number(feed_);
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
    const QString format = formatOnly_->isChecked() ? place_.format : QString();
    // Kept for every format: the format's own row would still stand in its way.
    const bool ownRowGone = !format.isEmpty() || place_.format.isEmpty()
                            || DeletePrinterProfile(*place_.db, {ThisSeat(), place_.queue, place_.format});
    if (ownRowGone && SavePrinterProfile(*place_.db, {ThisSeat(), place_.queue, format}, *profile)) return true;
    *problem = ProfileText::kNotSaved;
    return false;
}
