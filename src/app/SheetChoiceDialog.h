#pragma once
// The worksheet dialog of the import: one row per worksheet ("No.", "选择",
// "工作表名称"); a click marks its row with "√" and unmarks the others.
#include <QDialog>

class QTableWidget;

class SheetChoiceDialog final : public QDialog {
    Q_OBJECT
public:
    // The first sheet starts marked.
    explicit SheetChoiceDialog(const QStringList& sheets, QWidget* parent = nullptr);
    void Mark(int row);
    // The marked sheet's name; empty when none is marked.
    QString Chosen() const;

private:
    QTableWidget* grid_;
};
