#pragma once
// A line's thickness (`fSize`), style (`Cash`, 1 to 5) and colour, with a preview.
#include "designer/PropertyGroup.h"

class ColorButton;
class NumberField;
class QComboBox;
class LinePreview;

class LineGroup : public PropertyGroup {
    Q_OBJECT
public:
    explicit LineGroup(QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

private:
    void ShowPreview();

    NumberField* width_;
    QComboBox* style_;
    ColorButton* color_;
    LinePreview* preview_;
};
