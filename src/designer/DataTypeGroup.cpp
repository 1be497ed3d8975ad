#include "designer/DataTypeGroup.h"

#include "content/DataTypes.h"
#include "designer/DesignerTexts.h"
#include "designer/NumberField.h"
#include "core/Asker.h"
#include "store/Format.h"
#include "store/ParamStore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {
bool IsCustomType(int code) {
    const DataFamily family = FamilyOf(code);
    return family == DataFamily::CustomDate || family == DataFamily::CustomList;
}

QString CountCaption(int code) {
    const DataTypeTraits* row = DataTypeOf(code);
    if (!row || row->code != code || row->count == CodeCount::None) return DesignerText::kTypeCode;
    if (row->count == CodeCount::Positions) return DesignerText::kCapitalCount;
    return row->family == DataFamily::Digits ? DesignerText::kDigitCount : DesignerText::kCellCount;
}
} // namespace

int CorrectedCount(double typed) {
    const long count = std::isfinite(typed) ? std::lround(typed) : 0;
    return count <= 0 || count > 99 ? 11 : int(count);
}

DataTypeGroup::DataTypeGroup(Asker* asker, ParamStore* params, const QString& formatName, QWidget* parent)
    : PropertyGroup(DesignerText::kDataType, parent), asker_(asker), params_(params), formatName_(formatName) {
    auto* layout = new QGridLayout(this);
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("Cash"));
    for (int i = 0; i < kDataTypeCount; ++i) {
        list_->addItem(ListText(kDataTypes[i]));
        const int code = kDataTypes[i].code;
        if (params_ && IsCustomType(code)) {
            const QString definition = params_->GetParam(CustomTypeKey(code));
            if (!definition.isEmpty()) ShowDefinition(i, definition);
        }
    }
    countCaption_ = new QLabel(this);
    count_ = new NumberField(QStringLiteral("CashCount"), this);
    custom_ = new QPushButton(DesignerText::kCustomType, this);
    custom_->setObjectName(QStringLiteral("CustomType"));
    layout->addWidget(list_, 0, 0, 1, 3);
    layout->addWidget(countCaption_, 1, 0);
    layout->addWidget(count_, 1, 1);
    layout->addWidget(custom_, 1, 2);
    connect(list_, &QComboBox::currentIndexChanged, this, [this] { ShowCountFor(SelectedCode()); });
    connect(count_, &NumberField::editingFinished, this, &DataTypeGroup::CorrectCount);
    connect(custom_, &QPushButton::clicked, this, &DataTypeGroup::EditCustomType);
}

int DataTypeGroup::SelectedCode() const {
    const int index = list_->currentIndex();
    return index < 0 ? -1 : kDataTypes[index].code;
}

void DataTypeGroup::Load(const BoxRecord& record) {
    const int index = DataTypeListIndex(record.cash);
    {
        const QSignalBlocker block(list_);
        list_->setCurrentIndex(index);
    }
    const int code = SelectedCode();
    if (DataTypeOf(code) && DataTypeOf(code)->count == CodeCount::Positions)
        count_->SetValue(CapitalDigitsCount(record.cash));
    else if (TakesCount(code)) count_->SetValue(DigitCellCount(record.cash));
    ShowCountFor(index < 0 ? DataTypeBase(record.cash) : code);
}

// A type that is not in the list (index -1) keeps its stored code.
void DataTypeGroup::Store(BoxRecord& record) const {
    const int code = SelectedCode();
    if (code < 0) return;
    record.cash = TakesCount(code) ? DataTypeWithCount(code, CorrectedCount(count_->Value())) : code;
}

void DataTypeGroup::ShowCountFor(int code) {
    const bool counted = TakesCount(code);
    countCaption_->setText(CountCaption(code));
    count_->setEnabled(counted);
    if (!counted) count_->SetValue(code);
    else CorrectCount();
    custom_->setEnabled(asker_ && params_ && IsCustomType(code));
}

void DataTypeGroup::CorrectCount() {
    if (!TakesCount(SelectedCode())) return;
    const int count = CorrectedCount(count_->Value());
    if (count != count_->Value()) count_->setText(count == 11 ? DesignerText::kCorrectedCount : QString::number(count));
}

QString DataTypeGroup::CustomTypeKey(int code) const {
    return formatName_ + DesignerText::kCustomTypeKey + QString::number(code);
}

void DataTypeGroup::EditCustomType() {
    const int code = SelectedCode();
    if (!asker_ || !params_ || !IsCustomType(code)) return;
    const QString key = CustomTypeKey(code);
    const auto answer = asker_->AskText(DesignerText::AskCustomType(code), params_->GetParam(key));
    if (!answer || answer->isEmpty()) return;
    params_->SetParam(key, *answer);
    ShowDefinition(list_->currentIndex(), *answer);
}

// The entry keeps its text up to the "：" and shows the definition after it.
void DataTypeGroup::ShowDefinition(int index, const QString& definition) {
    const QString text = ListText(kDataTypes[index]);
    const qsizetype colon = text.indexOf(u'：');
    list_->setItemText(index, (colon < 0 ? text : text.left(colon + 1)) + definition);
}
