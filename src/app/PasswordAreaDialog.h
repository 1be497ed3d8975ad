#pragma once
// PsdParaSet ("密码区参数设置"): the bill-password parameters of the open format.
#include "aids/BillPassword.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

class PasswordAreaDialog final : public QDialog {
    Q_OBJECT
public:
    PasswordAreaDialog(const PasswordParams& params, QWidget* parent = nullptr);
    // The values as accepted; "|" and "{[]}" would break the stored options and are
    // left out of the texts.
    PasswordParams Params() const;

private:
    QLineEdit* charset_;
    QSpinBox* perSegment_;
    QSpinBox* segments_;
    QLineEdit* separator_;
    QCheckBox* lineBreak_;
};
