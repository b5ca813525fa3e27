// Where the program's own modal windows open.
#pragma once

class QWidget;

namespace tavrix {

// Moves `window`'s top-left corner to (left, top) on the screen; a negative
// left centres it on the primary screen instead (halves rounded toward zero).
void PlaceWindowAt(QWidget& window, int left, int top);

} // namespace tavrix
