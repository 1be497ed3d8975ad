#pragma once
// A text box's two relations (`RCtl`, `RCtl1`) and two sum targets (`SumID`,
// `SumID1`), each chosen from the format's other text boxes.
#include "designer/PropertyGroup.h"

#include <QList>
#include <utility>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QRadioButton;

class LinkGroup : public PropertyGroup {
    Q_OBJECT
public:
    // `rows` are the records the dialog edits; the lists offer their text boxes.
    LinkGroup(const QList<BoxRecord>* rows, QWidget* parent = nullptr);
    void Load(const BoxRecord& record) override;
    void Store(BoxRecord& record) const override;

    // One target list with its two options ("相同"/"相关" or "累加"/"累乘") and, for
    // sums, "取负".
    struct Choice {
        QComboBox* list = nullptr;
        QRadioButton* first = nullptr;
        QRadioButton* second = nullptr;
        QCheckBox* negate = nullptr;
    };

private:
    Choice AddChoice(QGridLayout* layout, int row, const char* name, bool sum);
    // `entries`: the list's texts and their box IDs (0 for "no box").
    using Entries = QList<std::pair<QString, qint64>>;
    void Select(Choice& choice, qint64 id, bool second, bool negate, const Entries& entries);
    static qint64 ChosenId(const Choice& choice);

    const QList<BoxRecord>* rows_;
    Choice relations_[2];
    Choice sums_[2];
};
