#pragma once
// The font columns (`fName`, `fSize`, the four style flags) and the colour, shown on
// a sample text as they change. The font name comes from the list of installed fonts.
#include "designer/PropertyGroup.h"

#include <QList>

class Asker;
class ColorButton;
class NumberField;
class QCheckBox;
class QLabel;

class FontGroup : public PropertyGroup {
    Q_OBJECT
public:
    FontGroup(Asker* asker, QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;
    QLabel* Sample() const { return sample_; }

private:
    void ChooseName();
    void ShowSample();

    Asker* asker_;
    QLabel* name_;
    NumberField* size_;
    QList<QCheckBox*> styles_; // bold, italic, underline, strikeout
    ColorButton* color_;
    QLabel* sample_;
};
