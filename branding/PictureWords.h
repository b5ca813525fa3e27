// The words on the branding pictures, drawn over the pictures' artwork so
// that they speak the person's language; the SVG files hold only the
// artwork and the names ("Tavrix", the supplier's). The build draws the
// pictures the main window shows at start with their words in each
// language, so that start-up draws no text into them.
#pragma once

#include <QSize>
#include <QString>

class QPixmap;

namespace tavrix {

// Draws the words that belong on `svgFile`'s picture onto `picture`, which
// shows it at its own size, in the language of the installed translation.
void DrawPictureWords(QPixmap& picture, const QString& svgFile);

// `svgFile` at `size` with its words in the language of the installed
// translation, whose code is `language` ("de", "en"): drawn
// ahead by the build where it could be, else drawn now.
QPixmap WordedPicture(const QString& svgFile, QSize size, const QString& language);

} // namespace tavrix
