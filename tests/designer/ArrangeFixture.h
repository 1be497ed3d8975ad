#pragma once
// A designer whose canvas is 50 twips per millimetre, with mouse events at exact
// canvas twips (fractions of a pixel included) and key clicks.
#include "DesignerFixture.h"

#include <QMouseEvent>

class ArrangeFixture : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        view.Canvas()->SetPage(210, 297, 10500);
        view.RebuildBoxes();
    }
    void Reopen(const Format& changed) override {
        DesignerFixture::Reopen(changed);
        view.Canvas()->SetPage(210, 297, 10500);
        view.RebuildBoxes();
    }

    // Sends a mouse event to `target` at a canvas point in twips.
    void Mouse(QEvent::Type type, QWidget* target, QPoint canvasTwips, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF local = target->mapFrom(view.Canvas(), QPointF(canvasTwips) / view.Canvas()->TwipsPerPixel());
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, modifiers);
        QCoreApplication::sendEvent(target, &event);
    }

    // The widget of a box that takes the pointer: its input, or the box itself.
    static QWidget* PartOf(InputBox* box) {
        QWidget* child = box->childAt(box->rect().center());
        return child ? child : box;
    }

    // Presses at a box-local point (twips), moves the pointer by each offset from
    // there in turn, and lets go.
    void DragBox(InputBox* box, QPoint local, const QList<QPoint>& offsets) {
        QWidget* part = PartOf(box);
        const QPoint start = box->Twips().topLeft() + local;
        Mouse(QEvent::MouseButtonPress, part, start, Qt::LeftButton);
        for (const QPoint& offset : offsets) Mouse(QEvent::MouseMove, part, start + offset, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, part, start + offsets.last(), Qt::NoButton);
    }

    // The same on the canvas itself (lines and the rubber band).
    void DragCanvas(QPoint start, const QList<QPoint>& points, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, view.Canvas(), start, Qt::LeftButton, modifiers);
        for (const QPoint& point : points) Mouse(QEvent::MouseMove, view.Canvas(), point, Qt::LeftButton, modifiers);
        Mouse(QEvent::MouseButtonRelease, view.Canvas(), points.isEmpty() ? start : points.last(), Qt::NoButton,
              modifiers);
    }

    void Hover(QWidget* target, QPoint canvasTwips) {
        Mouse(QEvent::MouseMove, target, canvasTwips, Qt::NoButton);
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view.Canvas(), Qt::Key(key), modifiers);
    }
};
