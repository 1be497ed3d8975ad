#include "designer/CheckInputBox.h"

#include "designer/CheckIndicator.h"

#include <QVBoxLayout>

CheckInputBox::CheckInputBox(QWidget* canvas) : InputBox(BoxKind::Check, canvas) {
    setObjectName(QStringLiteral("CheckBox"));
    check_ = new CheckIndicator(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check_);
    setFocusProxy(check_);
    WatchInput(check_);
    connect(check_, &QCheckBox::toggled, this, [this] {
        if (!showing_) Q_EMIT ContentEdited(this);
    });
}

QString CheckInputBox::Content() const {
    return check_->isChecked() ? QStringLiteral("1") : QString();
}

// Stored values read "0" as unchecked; anything else that is not blank ticks the box.
void CheckInputBox::ShowContent(const QString& text) {
    const QString value = text.trimmed();
    showing_ = true;
    check_->setChecked(!value.isEmpty() && value != QLatin1String("0"));
    showing_ = false;
}

void CheckInputBox::ShowSelection(bool selected) {
    // A selected box shows grey, as selected text boxes do.
    QPalette palette = check_->palette();
    palette.setColor(QPalette::Base, selected ? QColor(208, 208, 208) : QColor(Qt::white));
    check_->setPalette(palette);
}
