#pragma once
// This seat's profile for the chosen print queue, edited beside a format's own offsets
// in "输入打印页边距": offsets, scales, feed correction, continuous paper (with where its
// next form starts), and whether it is the format's own profile or the queue's for
// every format. A calibration run from
// here is stored at once and shown in the fields.
#include "store/PrinterProfileStore.h"

#include <QGroupBox>
#include <functional>
#include <optional>

class Database;
struct Format;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;

// Where a profile lives: the store, the queue and the open format.
struct ProfilePlace {
    Database* db = nullptr;
    QString queue;
    QString format;
    // Given both, the group offers a calibration with the sheet: the open format and
    // how to print a run of that many forms of it on the queue.
    const Format* calibrated = nullptr;
    std::function<bool(int bills)> printSheet;
};

class ProfileFields : public QGroupBox {
    Q_OBJECT
public:
    ProfileFields(const ProfilePlace& place, QWidget* parent = nullptr);
    // The profile the fields hold; the reason it cannot be kept in `problem` otherwise.
    std::optional<PrinterProfile> Entered(QString* problem) const;
    // Stores the entered profile under the queue, or the format when "仅用于本格式" is
    // ticked; false when a field is not a number or the store refuses.
    bool Save(QString* problem) const;

private:
    // Shows what the store holds for the place (the format's own row ticks
    // "仅用于本格式").
    void Load();
    void Calibrate();
    // Where the next continuous form starts on the queue, with the button that sets it
    // back once the user realigned the paper.
    void AddPaperPlace(QFormLayout& layout);
    void ShowFormStart();

    ProfilePlace place_;
    QLineEdit* left_;
    QLineEdit* up_;
    QLineEdit* scaleX_;
    QLineEdit* scaleY_;
    QLineEdit* feed_;
    QCheckBox* continuous_;
    QCheckBox* formatOnly_;
    QLabel* formStart_ = nullptr;
    // What Load showed, to tell whether the user changed it.
    std::optional<PrinterProfile> shown_;
    bool shownOwnRow_ = false;
};
