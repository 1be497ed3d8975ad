#pragma once
// "条码编码标准设置": which symbol a picture box's barcode text becomes
// (Code 39, EAN-13 or QR code).
#include "symbols/BarcodeStandard.h"

#include <QDialog>

class QButtonGroup;

class BarcodeStandardDialog final : public QDialog {
    Q_OBJECT
public:
    BarcodeStandardDialog(BarcodeStandard standard, QWidget* parent = nullptr);
    BarcodeStandard Standard() const;

private:
    QButtonGroup* options_;
};
