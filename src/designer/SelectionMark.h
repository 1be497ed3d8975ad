#pragma once
// How the designer marks the boxes an edit will act on: a selected box gets a strong
// frame and a tinted face over whatever it shows, the current box (the one the arrow
// keys move) grips at its corners and edges. Like the faint outline, printing never
// sees it.
#include "designer/DesignOutline.h"

inline const QColor kSelectionColor(0, 120, 215);

class SelectionMark : public BoxOverlay {
    Q_OBJECT
public:
    explicit SelectionMark(QWidget* box);
    // Hidden when the box is neither selected nor current.
    void Show(bool selected, bool current);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool selected_ = false;
    bool current_ = false;
};
