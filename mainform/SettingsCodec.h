// The settings file's text: nine lines in a fixed order, without sections or
// keys. Only the text is handled here; opening, deleting and saving the file
// and applying the values to the window are the window's business.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrix {

struct Settings {
    int fontSize = 8;     // points
    int decimals = 6;     // Decimals position 0..16
    int category = 0;     // 0..23
    int fromPosition = 0; // position within the category's unit list
    int toPosition = 1;
    bool usaSpelling = false;
    bool thousandsSeparator = false;
    bool scientificFormat = false;
    QString value; // the value field's text, verbatim
    bool operator==(const Settings&) const = default;
};

// The settings the text holds, or none when the file is damaged.
//
// Lines end in CR LF, LF or a lone CR; the last may lack its end; lines after
// the ninth are ignored. A number line is an optional "+" or "-" and decimal
// digits, nothing else (no blanks), within int range. Damaged are: fewer than
// nine lines, a number line that is not such an integer, a font size outside
// 6..24 points, Decimals outside 0..16, a category outside 0..23, a from- or
// to-position past the end of the category's unit list, and a value line that
// is not valid UTF-8 or longer than the value field can hold (32767 UTF-16
// units). Negative unit positions count as 0. Spelling is USA only for exactly
// "USA"; a check mark is off only for exactly "FALSE".
std::optional<Settings> ReadSettings(const QByteArray& fileContent);

// Nine lines, each ended by CR LF; numbers in decimal, the value in UTF-8.
// A line break inside the value ends it there, so the file stays nine lines.
QByteArray WriteSettings(const Settings& settings);

} // namespace tavrix
