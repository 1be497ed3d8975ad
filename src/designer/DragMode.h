#pragma once
// What a press of the left button over a box or line would do, shown as the pointer.
enum class DragMode {
    None,      // default pointer
    Move,      // four-way arrow; a line's first end point
    Resize,    // diagonal arrow; a line's second end point
    TextInput, // I-beam: the click goes to the box's own input
    WholeLine, // cross: the whole line
};
