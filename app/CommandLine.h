// Converting from a terminal: `tavrix --convert VALUE FROM TO`, `--list`,
// `--help` and `--version`. It runs on the window's engine and rules but
// needs no display and touches no settings file.
#pragma once

#include <QByteArrayList>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class QLocale;

namespace tavrix {

// What the window is started with.
struct WindowStart {
    // Qt's own options with their values, as Qt is to see them.
    std::vector<std::string> qtOptions;
    // The results log files to read into the log, in order, named as the
    // file system names them.
    QByteArrayList logFiles;
};

// The window's start when `arguments` (without the program's name) ask for
// the window; nothing when they ask for the command line, or are mistaken
// (RunCommandLine then says so).
std::optional<WindowStart> WindowStartOf(const std::vector<std::string>& arguments);

// Runs what `arguments` ask for, reading values from the file descriptor `in` where asked,
// writing its output to `out` and its errors to `err`, and gives the exit
// status. `locale` gives the separators and the default spelling.
int RunCommandLine(const std::vector<std::string>& arguments, const QLocale& locale, int in, std::FILE* out,
                   std::FILE* err);

} // namespace tavrix
