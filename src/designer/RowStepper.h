#pragma once
// `CtlRow`: the box-grid row a property dialog shows (numbered from 1), stepping only
// over the rows it can show.
#include <QList>
#include <QSpinBox>

class RowStepper : public QSpinBox {
    Q_OBJECT
public:
    // `rows` are 0-based record indexes in ascending order.
    RowStepper(const QList<int>& rows, int current, QWidget* parent = nullptr);
    int Row() const { return row_; } // 0-based
    void stepBy(int steps) override;

Q_SIGNALS:
    void RowChanged(int row);

private:
    void Follow(int value);

    QList<int> rows_;
    int row_;
};
