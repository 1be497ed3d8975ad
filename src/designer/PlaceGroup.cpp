#include "designer/PlaceGroup.h"

#include "designer/DesignerTexts.h"
#include "designer/NumberField.h"
#include "store/Format.h"

#include <QFormLayout>

PlaceGroup::PlaceGroup(Shape shape, QWidget* parent) : PropertyGroup(DesignerText::kPlaceGroup, parent) {
    auto* layout = new QFormLayout(this);
    const QStringList& captions = shape == kLine ? DesignerText::kLinePointFields : DesignerText::kPlaceFields;
    const char* names[] = {"X", "Y", "W", "H"};
    const int count = shape == kPointOnly ? 2 : 4;
    for (int i = 0; i < count; ++i) {
        auto* field = new NumberField(QLatin1String(names[i]), this);
        layout->addRow(captions[i], field);
        fields_.append(field);
    }
}

void PlaceGroup::Load(const BoxRecord& record) {
    const double values[] = {record.x, record.y, record.w, record.h};
    for (qsizetype i = 0; i < fields_.size(); ++i) fields_[i]->SetValue(values[i]);
}

void PlaceGroup::Store(BoxRecord& record) const {
    double* columns[] = {&record.x, &record.y, &record.w, &record.h};
    for (qsizetype i = 0; i < fields_.size(); ++i) *columns[i] = fields_[i]->Value();
}
