#pragma once
// "输入打印页边距": how far the print must move, left ("向左移") and up ("向上移"),
// in millimetres. The fields show the shift itself; the format stores it plus 10.
// Given a place, this seat's profile of the chosen printer is edited beside them.
#include "app/printui/ProfileFields.h"

#include <QDialog>

class QLineEdit;
struct PageParams;

class OffsetsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OffsetsDialog(const PageParams& page, QWidget* parent = nullptr, const ProfilePlace& place = {});
    // Writes the entered shifts into the stored offsets; false when a field is not a number.
    bool Apply(PageParams& page) const;
    // Stores the printer profile shown (true when none is shown).
    bool SaveProfile(QString* problem) const;

    // Confirming keeps the dialog open, telling why, while the profile cannot be kept.
    void accept() override;

private:
    QLineEdit* left_;
    QLineEdit* up_;
    ProfileFields* profile_ = nullptr;
};

// Shows the dialog (with the profile of `place`'s printer when it names one); true
// when the user confirmed and the format's offsets changed. The profile is stored
// when confirmed.
bool EditPrintOffsets(PageParams& page, QWidget* parent, const ProfilePlace& place = {});
