#pragma once
// Window positions are kept in twips, as the stored placements always were, so a
// placement saved on one screen resolution restores sensibly on another.
class ParamStore;
class QString;
class QWidget;

// The width of the widget's screen in twips.
int ScreenWidthTwips(const QWidget* widget);

// Stores the window's left, top, width and height under "窗口参数：" + name; a
// maximized or full-screen window stores "0;0;0;0" so it opens at its designed place.
void SaveWindowPlacement(ParamStore& params, const QWidget* window, const QString& name);
// Puts a stored placement back: the position only when the window would lie on the
// screen, the size only when both measures are positive, never larger than the screen.
void RestoreWindowPlacement(ParamStore& params, QWidget* window, const QString& name);
