#pragma once
// The label sheet on screen: one sheet of rows × columns small copies of the bill,
// page by page, drawn as it will print (without the calibration offsets), with
// dotted guide lines where the cells meet when they are switched on.
#include "print/LabelSheet.h"
#include "store/Format.h"

#include <QWidget>
#include <functional>

class LabelSheetPreview final : public QWidget {
    Q_OBJECT
public:
    // `billAt` gives the bill of label `index` (from 0) of `count`.
    LabelSheetPreview(const Format& format, const BillPageOptions& options, int count,
                      std::function<Bill(int)> billAt, QWidget* parent = nullptr);

    void SetSpec(const LabelSheetSpec& spec);
    void SetGuides(bool on);
    // Page `page` from 0, kept within the pages there are.
    void ShowPage(int page);
    int Page() const { return page_; }
    int PageCount() const;
    // The labels on the shown page.
    int LabelsShown() const;

    QSize sizeHint() const override { return {360, 480}; }

Q_SIGNALS:
    void PageShown(int page, int pages);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Format format_;
    Format cellFormat_;
    BillPageOptions options_;
    int count_;
    std::function<Bill(int)> billAt_;
    LabelSheetSpec spec_;
    bool guides_ = false;
    int page_ = 0;
};
