#include "designer/NumberField.h"

#include "designer/TextNumber.h"

NumberField::NumberField(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
}

double NumberField::Value() const {
    return NumberFromText(text());
}

void NumberField::SetValue(double value) {
    setText(NumberText(value));
}
