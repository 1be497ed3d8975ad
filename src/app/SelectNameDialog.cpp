#include "app/SelectNameDialog.h"

#include "app/FormatListTexts.h"
#include "store/Database.h"
#include "store/Format.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

QStringList SelectNameChoices(SelectMode mode, Database* db, const Format* format) {
    switch (mode) {
    case SelectMode::Format: return db ? db->FillDistinctList(QStringLiteral("Fmt")) : QStringList();
    case SelectMode::BoxKind: return FormatListText::kBoxKinds;
    case SelectMode::Box: {
        QStringList boxes;
        if (format)
            for (const BoxRecord& box : format->boxes)
                boxes << QString::number(box.id) + FormatListText::kChoiceSeparator + box.label;
        return boxes;
    }
    case SelectMode::PrinterFont: return QFontDatabase::families();
    }
    return {};
}

QString SelectedName(const QString& entry) {
    const qsizetype cut = entry.indexOf(FormatListText::kChoiceSeparator);
    return cut < 0 ? entry : entry.left(cut);
}

SelectNameDialog::SelectNameDialog(const QString& caption, const QStringList& choices,
                                   bool editable, QWidget* parent)
    : QDialog(parent), choices_(new QComboBox(this)) {
    setObjectName(QStringLiteral("SelectName"));
    setWindowTitle(QApplication::applicationDisplayName());
    choices_->setObjectName(QStringLiteral("Choices"));
    choices_->setEditable(editable);
    choices_->setInsertPolicy(QComboBox::NoInsert);
    choices_->addItems(choices);
    choices_->setMinimumContentsLength(24);
    if (editable) choices_->setCurrentIndex(-1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(caption, this));
    layout->addWidget(choices_);
    layout->addWidget(buttons);
}

void SelectNameDialog::Preselect(int index) {
    if (choices_->count() > 0) choices_->setCurrentIndex(qBound(0, index, choices_->count() - 1));
}

void SelectNameDialog::SetText(const QString& text) { choices_->setCurrentText(text); }

QString SelectNameDialog::Text() const { return choices_->currentText(); }

int SelectNameDialog::Index() const {
    const int index = choices_->currentIndex();
    return index >= 0 && choices_->itemText(index) == Text() ? index : -1;
}
