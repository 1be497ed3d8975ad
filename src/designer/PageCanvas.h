#pragma once
// The canvas `PG`: the white page with the stretched background picture and the
// ruler grid. Its width in twips (kept exactly, not rounded to pixels) and the page
// width give the screen scale every box position goes through.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class CanvasScale;

class PageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PageCanvas(QWidget* parent = nullptr);

    // Page size in mm and canvas width in twips; the height follows the page ratio.
    void SetPage(double widthMm, double heightMm, double canvasWidthTwips);
    double PageWidthMm() const { return pageWidth_; }
    double PageHeightMm() const { return pageHeight_; }
    double CanvasWidth() const { return canvasWidth_; }
    double CanvasHeight() const;
    CanvasScale Scale() const;
    double TwipsPerPixel() const;
    // A point in canvas pixels (fractions kept) as whole canvas twips.
    QPoint ToTwips(const QPointF& pixels) const;

    void SetBackground(const QImage& picture);
    bool HasBackground() const { return !background_.isNull(); }
    void SetShowBackground(bool show);
    void SetShowRulers(bool show);
    // Whether the background picture is painted now (shown and loaded).
    bool PaintsBackground() const { return showBackground_ && HasBackground(); }

Q_SIGNALS:
    // Right button on the canvas itself; the point in canvas twips.
    void MenuRequested(const QPoint& twips, const QPoint& globalPos);
    // Left button on the canvas itself; the point in canvas twips.
    void Pressed(const QPoint& twips, Qt::KeyboardModifiers modifiers);
    // The pointer moved over the canvas itself, with or without buttons held.
    void Moved(const QPoint& twips, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // The left button went up.
    void Released(const QPoint& twips, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PaintRulers(QPainter& painter) const;
    // The background smoothly scaled to the canvas, made again only when the size changes.
    const QPixmap& ScaledBackground();

    double pageWidth_ = 210;
    double pageHeight_ = 297;
    double canvasWidth_ = 0;
    QImage background_;
    QPixmap scaledBackground_;
    bool showBackground_ = false;
    bool showRulers_ = false;
};
