#pragma once
// "条码编码标准设置": which symbol a picture box's barcode text becomes
// (0 Code 39, 1 EAN-13, 2 QR code).
#include <QDialog>

class QButtonGroup;

class BarcodeStandardDialog final : public QDialog {
    Q_OBJECT
public:
    BarcodeStandardDialog(int standard, QWidget* parent = nullptr);
    int Standard() const;

private:
    QButtonGroup* options_;
};
