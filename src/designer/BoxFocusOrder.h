#pragma once
// Which box the keyboard goes to next, and whether keys belong to a box's text.
#include <QList>

class InputBox;
class QWidget;

// The next (or previous) box after `from` in box order that takes typed input (text
// and check boxes), wrapping round; nullptr when no other box takes input.
InputBox* NextInputBox(const QList<InputBox*>& boxes, const InputBox* from, bool backwards);

// Whether `part` of `box` is its text being edited: arrow keys move the caret there.
// A box that is selected for arranging is not being edited.
bool IsEditingText(const InputBox* box, const QWidget* part);
