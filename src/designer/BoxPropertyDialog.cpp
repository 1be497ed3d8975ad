#include "designer/BoxPropertyDialog.h"

#include "designer/CaptionGroup.h"
#include "designer/DataTypeGroup.h"
#include "designer/DesignerTexts.h"
#include "designer/FontGroup.h"
#include "designer/LineGroup.h"
#include "designer/LinkGroup.h"
#include "designer/PlaceGroup.h"
#include "designer/RowStepper.h"
#include "designer/SpacingGroup.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct KindLook {
    const char* name;
    QString title;
};

KindLook LookOf(BoxKind kind) {
    switch (kind) {
    case BoxKind::Text: return {"EditCtl", DesignerText::kEditTextTitle};
    case BoxKind::Check: return {"ProChk", DesignerText::kEditCheckTitle};
    case BoxKind::Picture: return {"ProPic", DesignerText::kEditPictureTitle};
    case BoxKind::Line: return {"ProLine", DesignerText::kEditLineTitle};
    case BoxKind::Label: return {"ProLBL", DesignerText::kEditLabelTitle};
    }
    return {"EditCtl", DesignerText::kEditTextTitle};
}

QList<int> RowsOfKind(const QList<BoxRecord>& rows, BoxKind kind) {
    QList<int> result;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].kind == kind) result.append(i);
    return result;
}
} // namespace

BoxPropertyDialog::BoxPropertyDialog(const QList<BoxRecord>& rows, int row, const PropertyContext& context,
                                     QWidget* parent)
    : QDialog(parent), original_(rows), rows_(rows), shown_(row) {
    const BoxKind kind = rows_.at(row).kind;
    const KindLook look = LookOf(kind);
    setObjectName(QLatin1String(look.name));
    setWindowTitle(look.title);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    stepper_ = new RowStepper(RowsOfKind(rows_, rows_[row].kind), row, this);
    top->addWidget(new QLabel(DesignerText::kRow, this));
    top->addWidget(stepper_);
    top->addStretch();
    layout->addLayout(top);
    AddGroups(kind, context);
    auto* grid = new QGridLayout;
    for (int i = 0; i < groups_.size(); ++i) grid->addWidget(groups_[i], i / 2, i % 2);
    layout->addLayout(grid);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(DesignerText::kOk, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(DesignerText::kCancel, QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &BoxPropertyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BoxPropertyDialog::reject);
    layout->addWidget(buttons);

    connect(stepper_, &RowStepper::RowChanged, this, [this](int next) {
        StoreShown();
        ShowRow(next);
    });
    ShowRow(row);
}

void BoxPropertyDialog::AddGroups(BoxKind kind, const PropertyContext& context) {
    switch (kind) {
    case BoxKind::Text:
        groups_ = {new CaptionGroup(true, this), new PlaceGroup(PlaceGroup::kBox, this),
                   new SpacingGroup(this),
                   new DataTypeGroup(context.asker, context.params, context.formatName, this),
                   new LinkGroup(&rows_, this), new FontGroup(context.asker, this)};
        break;
    case BoxKind::Check:
        groups_ = {new CaptionGroup(true, this), new PlaceGroup(PlaceGroup::kPointOnly, this),
                   new FontGroup(context.asker, this)};
        break;
    case BoxKind::Picture:
        groups_ = {new CaptionGroup(true, this), new PlaceGroup(PlaceGroup::kBox, this),
                   new FontGroup(context.asker, this)};
        break;
    case BoxKind::Line:
        groups_ = {new PlaceGroup(PlaceGroup::kLine, this), new LineGroup(this)};
        break;
    case BoxKind::Label:
        groups_ = {new CaptionGroup(false, this), new PlaceGroup(PlaceGroup::kBox, this),
                   new SpacingGroup(this), new FontGroup(context.asker, this)};
        break;
    }
}

int BoxPropertyDialog::Row() const {
    return shown_;
}

void BoxPropertyDialog::ShowRow(int row) {
    shown_ = row;
    for (PropertyGroup* group : groups_) group->Load(rows_[row]);
}

void BoxPropertyDialog::StoreShown() {
    for (PropertyGroup* group : groups_) group->Store(rows_[shown_]);
}

void BoxPropertyDialog::accept() {
    StoreShown();
    QDialog::accept();
}

QList<BoxRecord> BoxPropertyDialog::ChangedRecords() const {
    QList<BoxRecord> changed;
    for (qsizetype i = 0; i < rows_.size(); ++i)
        if (!(rows_[i] == original_[i])) changed.append(rows_[i]);
    return changed;
}
