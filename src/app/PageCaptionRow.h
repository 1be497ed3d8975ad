#pragma once
// The row above the page: the format's name, its page size and print shift as
// captions (PageCaptions.h), and the buttons for the page size, the offsets and the
// calibration page. The captions follow the document: a format opened, renamed or
// given another page size or shift shows at once.
#include <QWidget>

class FormatDocument;
class QLabel;
class QPushButton;

class PageCaptionRow final : public QWidget {
    Q_OBJECT
public:
    PageCaptionRow(const FormatDocument& document, QWidget* parent = nullptr);

    QPushButton* PageSizeButton() const { return pageSize_; }
    QPushButton* OffsetsButton() const { return offsets_; }
    QPushButton* CalibrationButton() const { return calibration_; }

private:
    void ShowPage();

    const FormatDocument& document_;
    QLabel* formatName_;
    QLabel* width_;
    QLabel* height_;
    QLabel* offsetX_;
    QLabel* offsetY_;
    QPushButton* pageSize_;
    QPushButton* offsets_;
    QPushButton* calibration_;
};
