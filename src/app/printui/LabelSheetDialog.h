#pragma once
// The label-sheet dialog: columns (1-200) and rows (1-100) of labels, the sheet's
// width and height in millimetres, "连同背景图打印" and "打印 标签分隔线", with the
// sheet previewed page by page. The number fields are remembered as they change.
#include "print/LabelSheet.h"

#include <QDialog>
#include <functional>

class LabelSheetPreview;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

class LabelSheetDialog final : public QDialog {
    Q_OBJECT
public:
    // `guides`: whether the preview starts with its guide lines.
    LabelSheetDialog(const Format& format, const BillPageOptions& options, int count,
                     std::function<Bill(int)> billAt, bool guides, QWidget* parent = nullptr);

    LabelSheetSpec Spec() const;
    bool Guides() const;
    LabelSheetPreview& Preview() const { return *preview_; }

private:
    void Changed();

    QSpinBox* columns_;
    QSpinBox* rows_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
    QCheckBox* background_;
    QCheckBox* separators_;
    QCheckBox* guides_;
    QLabel* page_;
    LabelSheetPreview* preview_;
};
