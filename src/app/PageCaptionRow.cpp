#include "app/PageCaptionRow.h"

#include "app/AppTexts.h"
#include "app/PageCaptions.h"
#include "document/FormatDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* NamedLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

QPushButton* NamedButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

PageCaptionRow::PageCaptionRow(const FormatDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), formatName_(NamedLabel(QStringLiteral("LFMT"), this)),
      width_(NamedLabel(QStringLiteral("Wid"), this)), height_(NamedLabel(QStringLiteral("Hie"), this)),
      offsetX_(NamedLabel(QStringLiteral("M_X"), this)), offsetY_(NamedLabel(QStringLiteral("M_Y"), this)),
      pageSize_(NamedButton(QStringLiteral("CmdPageSize"), AppText::kPageSizeButton, this)),
      offsets_(NamedButton(QStringLiteral("CmdOffsets"), AppText::kOffsetsButton, this)),
      calibration_(NamedButton(QStringLiteral("CmdCalibrate"), AppText::kCalibrationButton, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(formatName_, 1);
    for (QWidget* part : std::initializer_list<QWidget*>{width_, height_, pageSize_, offsetX_, offsetY_,
                                                         offsets_, calibration_})
        layout->addWidget(part);
    connect(&document_, &FormatDocument::Opened, this, &PageCaptionRow::ShowPage);
    connect(&document_, &FormatDocument::PageChanged, this, &PageCaptionRow::ShowPage);
    connect(&document_, &FormatDocument::Renamed, this, &PageCaptionRow::ShowPage);
    ShowPage();
}

void PageCaptionRow::ShowPage() {
    const bool open = document_.IsOpen();
    const PageParams& page = document_.GetFormat().page;
    formatName_->setText(document_.GetFormat().name);
    width_->setText(open ? PageWidthCaption(page) : QString());
    height_->setText(open ? PageHeightCaption(page) : QString());
    offsetX_->setText(open ? ShiftLeftCaption(page) : QString());
    offsetY_->setText(open ? ShiftUpCaption(page) : QString());
}
