#pragma once
// The property dialog of a box kind: `EditCtl` (text), `ProChk` (check), `ProPic`
// (picture), `ProLine` (line), `ProLBL` (label). It edits copies of the box records;
// stepping to another row keeps what was typed for the row left, OK hands back every
// record that changed and Cancel drops them all.
#include <QDialog>
#include <QList>

#include "store/Format.h"

class Asker;
class ParamStore;
class PropertyGroup;
class RowStepper;

struct PropertyContext {
    Asker* asker = nullptr;     // the font-name list and the custom-type prompt
    ParamStore* params = nullptr; // custom types; without it "自定义" is off
    QString formatName;
};

class BoxPropertyDialog : public QDialog {
    Q_OBJECT
public:
    // `row` indexes `rows`, the format's box records in grid order.
    BoxPropertyDialog(const QList<BoxRecord>& rows, int row, const PropertyContext& context,
                      QWidget* parent = nullptr);

    int Row() const;
    // After OK: the records whose columns differ from what the dialog was given.
    QList<BoxRecord> ChangedRecords() const;

    void accept() override;

private:
    void AddGroups(BoxKind kind, const PropertyContext& context);
    void ShowRow(int row);
    void StoreShown();

    QList<BoxRecord> original_;
    QList<BoxRecord> rows_;
    QList<PropertyGroup*> groups_;
    RowStepper* stepper_;
    int shown_;
};
