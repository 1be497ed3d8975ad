#pragma once
// Character spacing `S`, line spacing and the text alignment, both packed into `L`.
#include "designer/PropertyGroup.h"

class NumberField;
class QButtonGroup;

class SpacingGroup : public PropertyGroup {
    Q_OBJECT
public:
    explicit SpacingGroup(QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

private:
    NumberField* characters_;
    NumberField* lines_;
    QButtonGroup* alignment_;
    int loadedAlignment_ = 0; // kept when it is none of the three buttons
};
