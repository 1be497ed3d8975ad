#pragma once
// Fields for a decimal number of the printing dialogs (millimetres, scales).
#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

// An empty field that takes a decimal number, found by `objectName`.
QLineEdit* DecimalField(const QString& objectName, QWidget* parent);
// The number in the field; nullopt when it holds none.
std::optional<double> DecimalIn(const QLineEdit* field);
