#pragma once
// A text box's data type `Cash`: the list of the 38 types, the count field of the
// types that carry cells or digit positions, and the format's custom types.
#include "designer/PropertyGroup.h"

class Asker;
class NumberField;
class ParamStore;
class QComboBox;
class QLabel;
class QPushButton;

class DataTypeGroup : public PropertyGroup {
    Q_OBJECT
public:
    DataTypeGroup(Asker* asker, ParamStore* params, const QString& formatName, QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

    QComboBox* List() const { return list_; }

private:
    int SelectedCode() const;
    void ShowCountFor(int code);
    void CorrectCount();
    void EditCustomType();
    void ShowDefinition(int index, const QString& definition);
    QString CustomTypeKey(int code) const;

    Asker* asker_;
    ParamStore* params_;
    QString formatName_;
    QComboBox* list_;
    QLabel* countCaption_;
    NumberField* count_;
    QPushButton* custom_;
};

// The count as typed, or 11 when it is not between 1 and 99.
int CorrectedCount(double typed);
