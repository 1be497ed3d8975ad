#pragma once
// The selection dialog: a caption and a drop-down of names. Picking a format name is
// editable, so a new name can be typed (save-as); the other modes only pick.
#include <QDialog>

class Database;
class QComboBox;
struct Format;

enum class SelectMode { Format, BoxKind, Box, PrinterFont };

// What each mode offers: the distinct format names, the five box kinds, the boxes of
// `format` as ID + "｜" + label, or the installed font families.
QStringList SelectNameChoices(SelectMode mode, Database* db, const Format* format);
// The name an entry stands for: its text before the first "｜".
QString SelectedName(const QString& entry);

class SelectNameDialog final : public QDialog {
    Q_OBJECT
public:
    SelectNameDialog(const QString& caption, const QStringList& choices, bool editable,
                     QWidget* parent = nullptr);
    void Preselect(int index);
    void SetText(const QString& text);
    QString Text() const;
    // The index of the chosen entry; -1 for a typed text.
    int Index() const;

private:
    QComboBox* choices_;
};
