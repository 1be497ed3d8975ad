#include "designer/TableDialog.h"

#include "designer/DesignerTexts.h"
#include "designer/TextNumber.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TableDialog"));
    setWindowTitle(DesignerText::kTableTitle);
    left_ = AddField(QStringLiteral("X1"));
    top_ = AddField(QStringLiteral("Y1"));
    right_ = AddField(QStringLiteral("X2"));
    bottom_ = AddField(QStringLiteral("Y2"));
    rows_ = AddField(QStringLiteral("Rows"));
    columns_ = AddField(QStringLiteral("Columns"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(DesignerText::kTableTopLeft), 0, 0);
    grid->addWidget(left_, 0, 1);
    grid->addWidget(top_, 0, 2);
    grid->addWidget(new QLabel(DesignerText::kTableBottomRight), 1, 0);
    grid->addWidget(right_, 1, 1);
    grid->addWidget(bottom_, 1, 2);
    grid->addWidget(new QLabel(DesignerText::kTableRows), 2, 0);
    grid->addWidget(rows_, 2, 1);
    grid->addWidget(new QLabel(DesignerText::kTableColumns), 3, 0);
    grid->addWidget(columns_, 3, 1);
    auto* ok = new QPushButton(DesignerText::kOk);
    auto* cancel = new QPushButton(DesignerText::kCancel);
    ok->setDefault(true);
    grid->addWidget(ok, 4, 1);
    grid->addWidget(cancel, 4, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TableDialog::AddField(const QString& name) {
    auto* field = new QLineEdit(QStringLiteral("0"), this);
    field->setObjectName(name);
    return field;
}

TableSpec TableDialog::Spec() const {
    TableSpec spec;
    spec.left = NumberFromText(left_->text());
    spec.top = NumberFromText(top_->text());
    spec.right = NumberFromText(right_->text());
    spec.bottom = NumberFromText(bottom_->text());
    spec.rows = int(std::lround(NumberFromText(rows_->text())));
    spec.columns = int(std::lround(NumberFromText(columns_->text())));
    return spec;
}
