#pragma once
// Kind 2: a picture box. Its content is a picture file path, shown stretched over the
// box, or any other text, drawn as a barcode or QR code of the format's standard.
#include "designer/InputBox.h"

#include <QPixmap>

class PictureInputBox : public InputBox {
    Q_OBJECT
public:
    explicit PictureInputBox(QWidget* canvas);

    QString Content() const override { return content_; }
    void ShowContent(const QString& content) override;
    void ClearContent() override { ShowContent({}); }
    // Whether the content names a picture that was loaded.
    bool ShowsPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void ShowSelection(bool) override { update(); }

private:
    void DrawBarcode(QPainter& painter);

    QString content_;
    QPixmap picture_;
    bool barcode_ = false; // content that names no file is a barcode
};
