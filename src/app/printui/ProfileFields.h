#pragma once
// This seat's profile for the chosen print queue, edited beside a format's own offsets
// in "输入打印页边距": offsets, scales, feed correction, continuous paper, and whether it
// is the format's own profile or the queue's for every format.
#include "store/PrinterProfileStore.h"

#include <QGroupBox>
#include <optional>

class Database;
class QCheckBox;
class QLineEdit;

// Where a profile lives: the store, the queue and the open format.
struct ProfilePlace {
    Database* db = nullptr;
    QString queue;
    QString format;
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
    ProfilePlace place_;
    QLineEdit* left_;
    QLineEdit* up_;
    QLineEdit* scaleX_;
    QLineEdit* scaleY_;
    QLineEdit* feed_;
    QCheckBox* continuous_;
    QCheckBox* formatOnly_;
};
