// A build tool: writes the bash completion script from its template, with
// the categories' and units' names (both spellings, each once) put in.
//   tavrix_make_bash_completion <template> <output>
#include "UnitSearch.h"

#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

namespace {

// The names go between single quotes in the script, one per line.
bool AppendName(std::string& lines, std::string_view name) {
    if (name.find('\'') != std::string_view::npos || name.find('\n') != std::string_view::npos) {
        std::cerr << "a name the script cannot quote: " << name << '\n';
        return false;
    }
    if (!lines.empty()) {
        lines += '\n';
    }
    lines += name;
    return true;
}

bool Replace(std::string& text, const std::string& placeholder, const std::string& by) {
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) {
        std::cerr << "the template lacks " << placeholder << '\n';
        return false;
    }
    text.replace(at, placeholder.size(), by);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: tavrix_make_bash_completion <template> <output>\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string script = buffer.str();
    if (!in || script.empty()) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    bool ok = true;
    std::string categories;
    for (const std::string_view name : tavrix::CategoryNames) {
        ok = AppendName(categories, name) && ok;
    }
    std::string units;
    std::set<std::string_view> seen;
    for (const tavrix::Spelling spelling : {tavrix::Spelling::European, tavrix::Spelling::USA}) {
        for (int unit = 0; unit < tavrix::UnitCount; ++unit) {
            const std::string_view name = tavrix::VisibleName(static_cast<tavrix::UnitIndex>(unit), spelling);
            if (seen.insert(name).second) {
                ok = AppendName(units, name) && ok;
            }
        }
    }
    ok = ok && Replace(script, "@CATEGORIES@", categories) && Replace(script, "@UNITS@", units);
    std::ofstream out(argv[2]);
    out << script;
    out.close();
    if (!ok || !out) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
