#pragma once
// Edits of the same run merge into one undo step while they touch the same boxes: a
// drag, a series of arrow presses, repeated font-size steps.
enum class EditRun { None = -1, Move = 1, Resize, FontSize, Grid };
