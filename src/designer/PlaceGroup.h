#pragma once
// Position and size in mm (`X`, `Y`, `W`, `H`); a line's two end points; a check box
// has no size fields and keeps its size.
#include "designer/PropertyGroup.h"

#include <QList>

class NumberField;

class PlaceGroup : public PropertyGroup {
    Q_OBJECT
public:
    enum Shape { kBox, kPointOnly, kLine };
    PlaceGroup(Shape shape, QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

private:
    QList<NumberField*> fields_; // X, Y and, when shown, W, H
};
