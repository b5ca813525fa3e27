// The command line's texts in the person's language, the window's, written
// as the UTF-8 the terminal reads. Names the program reads back (units,
// categories, options) stay as they are.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace tavrix {

class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};

// `text` with each %1, %2... replaced by the next of `parts`.
template <typename... Parts> std::string Said(const QString& text, const Parts&... parts) {
    if constexpr (sizeof...(parts) == 0) {
        return text.toStdString();
    } else {
        return text.arg(QString::fromUtf8(std::string_view(parts))...).toStdString();
    }
}

} // namespace tavrix
