#pragma once
// Window positions are kept in twips, as the stored placements always were, so a
// placement saved on one screen resolution restores sensibly on another.
class ParamStore;
class QRect;
class QSplitter;
class QString;
class QWidget;

// The width of the widget's screen in twips.
int ScreenWidthTwips(const QWidget* widget);

// Stores the window's left, top, width and height under "窗口参数：" + name; a
// maximized or full-screen window stores "0;0;0;0" so it opens at its designed place.
void SaveWindowPlacement(ParamStore& params, const QWidget* window, const QString& name);
// `wanted` (a window's frame) made to fit inside `screen` and moved onto it.
QRect KeepOnScreen(const QRect& wanted, const QRect& screen);
// Puts a stored placement back exactly; a window that would reach past the work area
// of its screen is made to fit and moved onto it. "0;0;0;0" leaves the window as designed.
void RestoreWindowPlacement(ParamStore& params, QWidget* window, const QString& name);

// The sizes of a splitter's parts, kept under "分隔条：" + name as "a;b;..." so the
// canvas keeps the room the user gave it from one start to the next.
void SaveSplitterSizes(ParamStore& params, const QSplitter* splitter, const QString& name);
// Puts stored sizes back; without stored sizes (or with sizes that do not match the
// splitter's parts) the splitter keeps its designed sizes.
void RestoreSplitterSizes(ParamStore& params, QSplitter* splitter, const QString& name);
