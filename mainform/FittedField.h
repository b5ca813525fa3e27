// Fields of a fixed-pixel layout that show their whole text: a value in
// several units with many decimals ("5 ft 10.8661417322835000 in") is wider
// than a number, and a field that scrolled would hide its first part.
#pragma once

class QFont;
class QLineEdit;

namespace tavrix {

// Gives `field` the font `font` (its window's) where its text fits in that
// font, and otherwise the same font made just small enough, down to two
// thirds of its size (beyond that the field scrolls, as any field does).
void FitFieldFontToText(QLineEdit& field, const QFont& font);

} // namespace tavrix
