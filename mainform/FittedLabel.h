// Labels of a fixed-pixel layout at a font size of the person's choosing: a
// label keeps its place while its text fits, and otherwise grows, first away
// from the neighbour it would run under, then the other way, never past the
// controls beside it.
#pragma once

#include <QRect>

class QLabel;

namespace tavrix {

struct LabelPlace {
    QLabel* label;
    // Where the layout puts the label.
    QRect prescribed;
    // The room it may grow into: from `leftmost` up to, not including,
    // `rightEnd` (the edges of the controls beside it).
    int leftmost;
    int rightEnd;
    // Away from a neighbour on its right; else away from one on its left.
    bool growsLeftFirst;
};

// Gives the label the smallest rectangle, from its prescribed one, that
// holds its text in its current font, within its room. Too little room
// horizontally gives all the room there is; a taller text grows upwards.
void FitLabelToText(const LabelPlace& place);

} // namespace tavrix
