// The words on the branding pictures, drawn by the program over the
// pictures' artwork so that they speak the person's language; the SVG files
// hold only the artwork and the names ("Tavrix", the supplier's).
#pragma once

#include <QSize>
#include <QString>

class QLabel;
class QPixmap;

namespace tavrix {

// Draws the words that belong on `svgFile`'s picture onto `picture`, which
// shows it at its own size, in the person's language.
void DrawPictureWords(QPixmap& picture, const QString& svgFile);

// Shows `svgFile` drawn into `size` on `label`, with its words.
void ShowBrandingPicture(QLabel& label, const QString& svgFile, QSize size);

} // namespace tavrix
