#pragma once
// A one-line field holding a number; text that is not a number reads as 0.
#include <QLineEdit>

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(const QString& name, QWidget* parent = nullptr);
    double Value() const;
    void SetValue(double value);
};
