#pragma once
// "小数舍入方法": picks how surplus decimals are treated (cut off, rounded, rounded up).
#include <QDialog>

class QButtonGroup;

class NumCutDialog final : public QDialog {
    Q_OBJECT
public:
    NumCutDialog(int current, QWidget* parent = nullptr);
    int Method() const;

private:
    QButtonGroup* group_;
};
