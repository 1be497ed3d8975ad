#pragma once
// `LBL` and, for boxes with a caption label, its place `Dir`.
#include "designer/PropertyGroup.h"

class QButtonGroup;
class QLineEdit;

class CaptionGroup : public PropertyGroup {
    Q_OBJECT
public:
    CaptionGroup(bool withPlace, QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

private:
    QLineEdit* text_;
    QButtonGroup* place_ = nullptr;
};
