#include "app/printui/DecimalFields.h"

#include <QDoubleValidator>
#include <QLineEdit>

QLineEdit* DecimalField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setValidator(new QDoubleValidator(field));
    return field;
}

std::optional<double> DecimalIn(const QLineEdit* field) {
    bool ok = false;
    const double value = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}
