#pragma once
// The 编辑 menu: undo and redo of the open format's steps, named after the step
// ("撤销 “移动内容框”"), the text commands on whatever editor has the focus, and the
// box commands. Ctrl+Z and Ctrl+Y work wherever the focus is in the window: a box or
// cell being typed in keeps them for its own text while that text has something to
// undo or redo; otherwise they undo and redo the format's steps.
class DesignerView;
class QMenu;
class QWidget;

void ConnectEditMenu(QWidget& window, QMenu& menu, DesignerView& designer);
