#pragma once
// One group of fields of a property dialog: it shows some columns of a box record and
// writes them back, leaving every other column as it was.
#include <QGroupBox>

struct BoxRecord;

class PropertyGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    virtual void Load(const BoxRecord& record) = 0;
    virtual void Store(BoxRecord& record) const = 0;
};
