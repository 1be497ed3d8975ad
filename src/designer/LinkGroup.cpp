#include "designer/LinkGroup.h"

#include "designer/BoxLinks.h"
#include "designer/DesignerTexts.h"
#include "store/Format.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Choosing no box leaves nothing for the options to say.
void FollowList(const LinkGroup::Choice& choice) {
    const bool chosen = choice.list->currentIndex() > 0;
    choice.first->setEnabled(chosen);
    choice.second->setEnabled(chosen);
    if (choice.negate) choice.negate->setEnabled(chosen);
}
} // namespace

LinkGroup::LinkGroup(const QList<BoxRecord>* rows, QWidget* parent) : PropertyGroup(parent), rows_(rows) {
    auto* outer = new QVBoxLayout(this);
    auto* relationGrid = new QGridLayout;
    relationGrid->addWidget(new QLabel(DesignerText::kRelations, this), 0, 0, 1, 3);
    relations_[0] = AddChoice(relationGrid, 1, "RCtl", false);
    relations_[1] = AddChoice(relationGrid, 2, "RCtl1", false);
    outer->addLayout(relationGrid);
    auto* sums = new QGroupBox(DesignerText::kSumGroup, this);
    auto* sumGrid = new QGridLayout(sums);
    sums_[0] = AddChoice(sumGrid, 0, "SumID", true);
    sums_[1] = AddChoice(sumGrid, 1, "SumID1", true);
    outer->addWidget(sums);
}

LinkGroup::Choice LinkGroup::AddChoice(QGridLayout* layout, int row, const char* name, bool sum) {
    Choice choice;
    choice.list = new QComboBox(this);
    choice.list->setObjectName(QLatin1String(name));
    if (!sum) choice.list->setToolTip(DesignerText::kRelationTip);
    choice.first = new QRadioButton(sum ? DesignerText::kAdd : DesignerText::kSame, this);
    choice.second = new QRadioButton(sum ? DesignerText::kMultiply : DesignerText::kRelated, this);
    auto* options = new QButtonGroup(this); // each pair is exclusive on its own
    options->addButton(choice.first);
    options->addButton(choice.second);
    layout->addWidget(choice.list, row, 0);
    layout->addWidget(choice.first, row, 1);
    layout->addWidget(choice.second, row, 2);
    if (sum) {
        choice.negate = new QCheckBox(DesignerText::kNegate, this);
        layout->addWidget(choice.negate, row, 3);
    }
    connect(choice.list, &QComboBox::currentIndexChanged, this, [choice] { FollowList(choice); });
    return choice;
}

void LinkGroup::Load(const BoxRecord& record) {
    Entries entries{{DesignerText::kNoLinkedBox, 0}};
    for (const BoxRecord& other : *rows_)
        if (other.kind == BoxKind::Text && other.id > 0 && other.id != record.id)
            entries.append({LinkEntryText(other.id, other.label), other.id});
    const BoxRelation relation = record.Relation();
    const BoxRelation relation1 = record.SecondRelation();
    const SumTarget sum = record.Sum();
    const SumTarget sum1 = record.SecondSum();
    Select(relations_[0], relation.id, relation.related, false, entries);
    Select(relations_[1], relation1.id, relation1.related, false, entries);
    Select(sums_[0], sum.id, sum.multiply, sum.negate, entries);
    Select(sums_[1], sum1.id, sum1.multiply, sum1.negate, entries);
}

// A target that is not among the text boxes shows as none.
void LinkGroup::Select(Choice& choice, qint64 id, bool second, bool negate, const Entries& entries) {
    choice.list->clear();
    int index = 0;
    for (const auto& [text, entryId] : entries) {
        if (id > 0 && entryId == id) index = choice.list->count();
        choice.list->addItem(text, entryId);
    }
    choice.list->setCurrentIndex(index);
    const bool found = index > 0;
    (found && second ? choice.second : choice.first)->setChecked(true);
    if (choice.negate) choice.negate->setChecked(found && negate);
    FollowList(choice);
}

qint64 LinkGroup::ChosenId(const Choice& choice) {
    return choice.list->currentData().toLongLong();
}

void LinkGroup::Store(BoxRecord& record) const {
    const auto relation = [](const Choice& choice) {
        return BoxRelation{ChosenId(choice), choice.second->isChecked()};
    };
    const auto sum = [](const Choice& choice) {
        return SumTarget{ChosenId(choice), choice.second->isChecked(), choice.negate->isChecked()};
    };
    record.SetRelation(relation(relations_[0]));
    record.SetSecondRelation(relation(relations_[1]));
    record.SetSum(sum(sums_[0]));
    record.SetSecondSum(sum(sums_[1]));
}
