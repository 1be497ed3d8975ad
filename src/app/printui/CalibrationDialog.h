#pragma once
// "校准打印机": prints the calibration sheet on the chosen queue, then turns where
// crosses 1 and N landed into this seat's profile for that queue (the format's own
// when it has one), stored at once.
#include "print/CalibrationSheet.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QSpinBox;

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    // `printSheet` prints a run of the given number of forms; false when it could not.
    CalibrationDialog(Database& db, const QString& queue, const Format& format,
                      std::function<bool(int bills)> printSheet, QWidget* parent = nullptr);

    // Computes the profile from the fields and stores it; false with the reason in
    // `problem` when a field is not a number, the result makes no sense or the store
    // refuses it.
    bool Store(QString* problem);
    // Confirming keeps the dialog open, telling why, until the profile is stored.
    void accept() override;

private:
    void PrintSheet();

    Database& db_;
    QString queue_;
    const Format& format_;
    std::function<bool(int)> printSheet_;
    QSpinBox* bills_;
    QLineEdit* firstX_;
    QLineEdit* firstY_;
    QLineEdit* lastX_;
    QLineEdit* lastY_;
};
