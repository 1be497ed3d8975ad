#include "designer/FormSizeDialog.h"

#include "designer/DesignerTexts.h"
#include "designer/PageSizeRules.h"
#include "designer/TextNumber.h"
#include "core/Asker.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
QPushButton* AddButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    row->addWidget(button);
    return button;
}
} // namespace

FormSizeDialog::FormSizeDialog(Asker& asker, QSizeF currentMm, QWidget* parent)
    : QDialog(parent), asker_(asker), current_(currentMm) {
    setObjectName(QStringLiteral("FormSize"));
    setWindowTitle(QStringLiteral("单据尺寸"));
    width_ = new QLineEdit(QString::number(currentMm.width()));
    width_->setObjectName(QStringLiteral("TX"));
    height_ = new QLineEdit(QString::number(currentMm.height()));
    height_->setObjectName(QStringLiteral("TY"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("宽度(毫米)："), width_);
    form->addRow(QStringLiteral("高度(毫米)："), height_);
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = AddButton(buttons, DesignerText::kOk, QStringLiteral("OK"));
    QPushButton* cancel = AddButton(buttons, DesignerText::kCancel, QStringLiteral("Cancel"));
    form->addRow(buttons);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FormSizeDialog::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FormSizeDialog::Accept() {
    const double w = NumberFromText(width_->text());
    const double h = NumberFromText(height_->text());
    if (!IsValidPageRatio(w, h)) {
        asker_.Message(DesignerText::kBadRatio);
        return; // stays open
    }
    if (w != current_.width() || h != current_.height()) newSize_ = QSizeF(w, h);
    accept();
}

std::optional<QSizeF> AskPageSize(Asker& asker, QSizeF currentMm, QWidget* parent) {
    FormSizeDialog dialog(asker, currentMm, parent);
    dialog.exec();
    return dialog.NewSize();
}
