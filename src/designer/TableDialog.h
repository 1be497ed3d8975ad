#pragma once
// The dialog "生成表格": two corners in mm, the number of rows and of columns.
#include "designer/TableRuling.h"

#include <QDialog>

class QLineEdit;

class TableDialog : public QDialog {
    Q_OBJECT
public:
    explicit TableDialog(QWidget* parent = nullptr);
    // What the fields say; text that is not a number reads as 0.
    TableSpec Spec() const;

private:
    QLineEdit* AddField(const QString& name);

    QLineEdit* left_;
    QLineEdit* top_;
    QLineEdit* right_;
    QLineEdit* bottom_;
    QLineEdit* rows_;
    QLineEdit* columns_;
};
