#include "designer/RowStepper.h"

#include <algorithm>

RowStepper::RowStepper(const QList<int>& rows, int current, QWidget* parent)
    : QSpinBox(parent), rows_(rows), row_(current) {
    setObjectName(QStringLiteral("CtlRow"));
    setKeyboardTracking(false);
    setRange(rows_.isEmpty() ? 1 : rows_.first() + 1, rows_.isEmpty() ? 1 : rows_.last() + 1);
    setValue(current + 1);
    connect(this, &QSpinBox::valueChanged, this, &RowStepper::Follow);
}

void RowStepper::stepBy(int steps) {
    const qsizetype at = rows_.indexOf(row_);
    if (at < 0) return;
    const qsizetype next = std::clamp<qsizetype>(at + steps, 0, rows_.size() - 1);
    setValue(rows_[next] + 1);
}

// A typed row that this dialog cannot show goes back to the row shown.
void RowStepper::Follow(int value) {
    if (value - 1 == row_) return;
    if (!rows_.contains(value - 1)) {
        const QSignalBlocker block(this);
        setValue(row_ + 1);
        return;
    }
    row_ = value - 1;
    Q_EMIT RowChanged(row_);
}
