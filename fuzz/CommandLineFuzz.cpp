// The command line: any arguments are read without a crash, as a job with
// the operands it needs or as a usage error; and any command line typed up
// to a Tab gives the completion's replies without a crash, one line each.
// The input is the arguments separated by NUL bytes, as a program receives
// them; the same bytes, NULs as blanks, are the typed command line.
#include "CommandLineArguments.h"
#include "Completion.h"

#include <QLocale>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    try {
        const tavrix::Arguments read = tavrix::ParseArguments(arguments);
        if (read.mode == tavrix::Mode::Convert && read.operands.size() != 3) {
            std::abort();
        }
    } catch (const tavrix::UsageError&) {
    }

    std::string line = "tavrix " + input;
    std::replace(line.begin(), line.end(), '\0', ' ');
    // Bash replaces the end of the last word after its last word break.
    for (const std::size_t wordLength : {std::size_t{0}, std::size_t{1}, std::size_t{4}}) {
        const std::string word = line.substr(line.size() - std::min(wordLength, line.size()));
        for (const std::string& reply : tavrix::Completions(line, word, QLocale::c())) {
            if (reply.find('\n') != std::string::npos) {
                std::abort();
            }
        }
    }
    return 0;
}
