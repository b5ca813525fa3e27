#include "CompoundValues.h"

#include "AsciiText.h"
#include "UnitSearch.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tavrix {

namespace {

constexpr std::array<std::string_view, 2> Blanks{" ", "\t"};
// What people type for the prime and double prime: the typewriter's
// apostrophe and quote, the curly ones that word processors make of them,
// and two primes for a double one.
constexpr std::array<std::string_view, 3> PrimeSigns{"'", "\u2032", "\u2019"};
constexpr std::array<std::string_view, 5> DoublePrimeSigns{"\"", "\u2033", "\u201D", "''", "\u2032\u2032"};
constexpr int Sixty = 60;

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::size_t BlankAt(std::string_view text, std::size_t at) {
    for (const std::string_view blank : Blanks) {
        if (text.substr(at).starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size()) {
        const std::size_t blank = BlankAt(text, at);
        if (blank == 0) {
            break;
        }
        at += blank;
    }
    return at;
}

std::string_view TrimmedMark(std::string_view mark) {
    while (!mark.empty() && (mark.back() == ' ' || mark.back() == '\t' || mark.back() == ',')) {
        mark.remove_suffix(1);
    }
    // "5 feet and 11 inches"
    if (mark.ends_with(" and")) {
        return TrimmedMark(mark.substr(0, mark.size() - 4));
    }
    return mark;
}

template <std::size_t N> bool IsOneOf(std::string_view mark, const std::array<std::string_view, N>& signs) {
    return std::find(signs.begin(), signs.end(), mark) != signs.end();
}

// Which of the compound's parts a mark names; or why none.
struct PartNamed {
    std::size_t index = 0;
    ValueProblem problem = ValueProblem::None;
    UnitIndex unit = NoUnit;
};

std::optional<std::size_t> PartOfUnit(const CompoundUnit& compound, UnitIndex unit) {
    for (std::size_t index = 0; index < compound.parts.size(); ++index) {
        if (compound.parts[index].unit == unit) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> PartWithPrime(const CompoundUnit& compound, std::string_view prime) {
    for (std::size_t index = 0; index < compound.parts.size(); ++index) {
        if (compound.parts[index].prime == prime) {
            return index;
        }
    }
    return std::nullopt;
}

bool IsSymbolOrAlias(std::string_view mark, const CompoundPart& part) {
    if (EqualIgnoringAsciiCase(mark, part.symbol)) {
        return true;
    }
    std::string_view aliases = part.aliases;
    while (!aliases.empty()) {
        const std::size_t end = std::min(aliases.find(' '), aliases.size());
        if (EqualIgnoringAsciiCase(mark, aliases.substr(0, end))) {
            return true;
        }
        aliases.remove_prefix(std::min(end + 1, aliases.size()));
    }
    return false;
}

PartNamed NamedPart(std::string_view mark, const CompoundUnit& compound, Spelling spelling) {
    for (std::size_t index = 0; index < compound.parts.size(); ++index) {
        if (IsSymbolOrAlias(mark, compound.parts[index])) {
            return {index};
        }
    }
    std::optional<std::size_t> part;
    if (IsOneOf(mark, PrimeSigns)) {
        part = PartWithPrime(compound, "\u2032");
    } else if (IsOneOf(mark, DoublePrimeSigns)) {
        part = PartWithPrime(compound, "\u2033");
    } else {
        const std::vector<UnitIndex> named = UnitsNamedBy(mark, spelling);
        for (const UnitIndex unit : named) {
            part = part ? part : PartOfUnit(compound, unit);
        }
        // What names no unit but begins a part's name ("st", "arcmin") is
        // that part where it begins no other; a unit's own name never is
        // ("s" is the second, not the stone).
        std::vector<std::size_t> begun;
        for (const UnitIndex unit : named.empty() ? SearchUnits(mark, spelling) : std::vector<UnitIndex>{}) {
            const std::optional<std::size_t> each = PartOfUnit(compound, unit);
            if (each && std::find(begun.begin(), begun.end(), *each) == begun.end()) {
                begun.push_back(*each);
            }
        }
        if (begun.size() == 1) {
            part = begun.front();
        }
        if (!part && !named.empty()) {
            const bool sameCategory = CategoryOfUnit(named.front()) == CategoryOfUnit(compound.unit);
            return {0, sameCategory ? ValueProblem::NotAPart : ValueProblem::OtherCategory, named.front()};
        }
    }
    if (!part) {
        return {0, ValueProblem::Unreadable};
    }
    return {*part};
}

ValueReading Problem(ValueProblem problem, std::string_view part = {}, UnitIndex unit = NoUnit,
                     std::size_t piecesRead = 0) {
    return {std::nullopt, problem, std::string(part), unit, piecesRead};
}

ValueReading Value(double value) {
    return {value, ValueProblem::None, {}, NoUnit, 0};
}

// The piece's number as written, which a problem names.
std::string Written(const ValuePiece& piece) {
    return (piece.negative ? "-" : "") + piece.number;
}

ValueReading ReadColonPieces(const ValuePieces& split, std::size_t partCount) {
    if (split.pieces.size() > partCount) {
        return Problem(ValueProblem::TooManyParts);
    }
    for (std::size_t at = 0; at < split.pieces.size(); ++at) {
        const ValuePiece& piece = split.pieces[at];
        if (piece.negative) {
            return Problem(ValueProblem::NegativePart, Written(piece));
        }
        if (at + 1 < split.pieces.size() && std::floor(piece.value) != piece.value) {
            return Problem(ValueProblem::DecimalsBeforeLast, Written(piece));
        }
        if (at > 0 && piece.value >= Sixty) {
            return Problem(ValueProblem::PastFiftyNine, Written(piece));
        }
    }
    return {};
}

// The decimal digits of a whole number divided by a small one: the
// quotient's digits and the remainder, exactly, however long the number.
std::pair<std::string, long long> DividedDigits(const std::string& digits, long long divisor) {
    std::string quotient;
    long long remainder = 0;
    for (const char digit : digits) {
        remainder = remainder * 10 + (digit - '0');
        quotient += static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
    const std::size_t first = quotient.find_first_not_of('0');
    return {first == std::string::npos ? "0" : quotient.substr(first), remainder};
}

// `value` in fixed notation with `decimals` decimals, "." as separator,
// rounded as results are (15 significant digits); beyond those a large
// value's whole digits are zeros, never an exponent.
std::string WholeDigitsAndDecimals(double value, int decimals) {
    const std::string fixed = FormatNumber(value, decimals, FormatFixed, NumberFormat{".", ""});
    const std::size_t exponentAt = fixed.find('E');
    if (exponentAt == std::string::npos) {
        return fixed;
    }
    std::string digits;
    for (const char c : fixed.substr(0, exponentAt)) {
        if (IsAsciiDigit(c)) {
            digits += c;
        }
    }
    const int exponent = std::atoi(fixed.c_str() + exponentAt + 1);
    digits.append(static_cast<std::size_t>(std::max(0, exponent + 1 - static_cast<int>(digits.size()))), '0');
    return decimals > 0 ? digits + "." + std::string(static_cast<std::size_t>(decimals), '0') : digits;
}

} // namespace

ValuePieces SplitValue(std::string_view text, std::string_view decimalSeparator, DigitLimits limits) {
    ValuePieces split;
    const auto unreadable = [&split] {
        split.problem = ValueProblem::Unreadable;
        return split;
    };
    bool marked = false;
    std::size_t at = SkipBlanks(text, 0);
    while (at < text.size()) {
        ValuePiece piece;
        if (text[at] == '-') {
            piece.negative = true;
            ++at;
        }
        const std::size_t numberStart = at;
        int before = piece.negative ? 1 : 0;
        int after = 0;
        bool separated = false;
        std::string number; // with "." as its separator, for the conversion
        for (; at < text.size(); ++at) {
            if (IsAsciiDigit(text[at])) {
                (separated ? after : before) += 1;
                number += text[at];
            } else if (!separated && !decimalSeparator.empty() &&
                       text.substr(at).starts_with(decimalSeparator)) {
                separated = true;
                number += '.';
                at += decimalSeparator.size() - 1;
            } else {
                break;
            }
        }
        if (before + after - (piece.negative ? 1 : 0) == 0) {
            return unreadable();
        }
        if (before > limits.preDecimal || after > limits.postDecimal) {
            split.problem = ValueProblem::TooManyDigits;
            split.pieces.push_back(piece);
            return split;
        }
        piece.number = std::string(text.substr(numberStart, at - numberStart));
        const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), piece.value,
                                                   std::chars_format::fixed);
        if (error != std::errc{} || stop != number.data() + number.size()) {
            return unreadable();
        }
        if (at < text.size() && text[at] == ':') {
            split.colonForm = true;
            split.pieces.push_back(piece);
            if (++at == text.size()) {
                return unreadable(); // "1:"
            }
            continue;
        }
        at = SkipBlanks(text, at);
        const std::size_t markStart = at;
        const auto numberBegins = [&](std::size_t from) {
            const std::string_view rest = text.substr(from);
            return IsAsciiDigit(rest.front()) || rest.front() == '-' ||
                   (!decimalSeparator.empty() && rest.starts_with(decimalSeparator) &&
                    rest.size() > decimalSeparator.size() && IsAsciiDigit(rest[decimalSeparator.size()]));
        };
        while (at < text.size() && !numberBegins(at) && text[at] != ':') {
            ++at;
        }
        const std::string_view mark = text.substr(markStart, at - markStart);
        piece.mark = std::string(TrimmedMark(mark));
        if (piece.mark.empty() && SkipBlanks(mark, 0) < mark.size()) {
            return unreadable(); // "5,5" where the separator is "."
        }
        marked = marked || !piece.mark.empty();
        split.pieces.push_back(piece);
    }
    if (split.pieces.empty() || (split.colonForm && marked)) {
        return unreadable();
    }
    return split;
}

bool IsPrimeSign(std::string_view mark) {
    return IsOneOf(mark, PrimeSigns) || IsOneOf(mark, DoublePrimeSigns);
}

bool IsColonForm(std::string_view text) {
    return text.find(':') != std::string_view::npos;
}

ValueReading ReadCompoundValue(std::string_view text, const CompoundUnit& compound, Spelling spelling,
                               std::string_view decimalSeparator, DigitLimits limits) {
    const ValuePieces split = SplitValue(text, decimalSeparator, limits);
    if (split.problem != ValueProblem::None) {
        return Problem(split.problem);
    }
    const std::size_t partCount = compound.parts.size();
    std::vector<std::size_t> partOf;
    if (split.colonForm) {
        if (!compound.inSixtieths) {
            return Problem(ValueProblem::Unreadable);
        }
        const ValueReading checked = ReadColonPieces(split, partCount);
        if (checked.problem != ValueProblem::None) {
            return checked;
        }
        for (std::size_t at = 0; at < split.pieces.size(); ++at) {
            partOf.push_back(at);
        }
    } else {
        // A bare number alone is in the last part, as the program writes a
        // value's number (71 is 5 ft 11 in); bare numbers side by side take
        // the parts from the first ("5 11").
        std::size_t next = split.pieces.size() == 1 ? partCount - 1 : 0;
        std::size_t piecesRead = 0;
        for (const ValuePiece& piece : split.pieces) {
            if (piece.negative) {
                return Problem(ValueProblem::NegativePart,
                               Written(piece) + (piece.mark.empty() ? "" : " ") + piece.mark);
            }
            PartNamed named{next};
            if (!piece.mark.empty()) {
                named = NamedPart(piece.mark, compound, spelling);
            }
            if (named.problem != ValueProblem::None) {
                return Problem(named.problem, piece.mark, named.unit, piecesRead);
            }
            if (named.index >= partCount) {
                return Problem(ValueProblem::TooManyParts, {}, NoUnit, piecesRead);
            }
            if (std::find(partOf.begin(), partOf.end(), named.index) != partOf.end()) {
                return Problem(ValueProblem::RepeatedPart, piece.mark.empty() ? Written(piece) : piece.mark,
                               NoUnit, piecesRead);
            }
            partOf.push_back(named.index);
            next = named.index + 1;
            piecesRead = partOf.size();
        }
    }
    long double total = 0;
    for (std::size_t at = 0; at < split.pieces.size(); ++at) {
        total += static_cast<long double>(split.pieces[at].value) *
                 static_cast<long double>(compound.parts[partOf[at]].inLastPart);
    }
    const auto value = static_cast<double>(total);
    if (!std::isfinite(value)) {
        return Problem(ValueProblem::TooManyDigits);
    }
    return Value(value);
}

ValueReading ReadColonValue(std::string_view text, std::string_view decimalSeparator, DigitLimits limits) {
    const ValuePieces split = SplitValue(text, decimalSeparator, limits);
    if (split.problem != ValueProblem::None || !split.colonForm) {
        return Problem(split.problem == ValueProblem::None ? ValueProblem::Unreadable : split.problem);
    }
    constexpr std::size_t UnitSixtiethsAnd3600ths = 3;
    const ValueReading checked = ReadColonPieces(split, UnitSixtiethsAnd3600ths);
    if (checked.problem != ValueProblem::None) {
        return checked;
    }
    long double in3600ths = 0;
    long double scale = Sixty * Sixty;
    for (const ValuePiece& piece : split.pieces) {
        in3600ths += static_cast<long double>(piece.value) * scale;
        scale /= Sixty;
    }
    return Value(static_cast<double>(in3600ths / (Sixty * Sixty)));
}

std::string FormatCompoundValue(double value, const CompoundUnit& compound, int decimals, bool thousands,
                                const NumberFormat& format, bool upToDecimals) {
    if (!std::isfinite(value)) {
        return FormatNumber(value, decimals, FormatFixed, format) + " " +
               std::string(compound.parts.back().symbol);
    }
    const std::string plain = WholeDigitsAndDecimals(std::fabs(value), decimals);
    const std::size_t point = plain.find('.');
    std::string whole = plain.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
    if (upToDecimals) {
        fraction.erase(fraction.find_last_not_of('0') + 1);
    }

    // Each part's count, split off the rounded whole number from the last part up.
    const std::size_t count = compound.parts.size();
    std::vector<std::string> counts(count);
    for (std::size_t at = count - 1; at > 0; --at) {
        const long long ratio = compound.parts[at - 1].inLastPart / compound.parts[at].inLastPart;
        auto [quotient, remainder] = DividedDigits(whole, ratio);
        counts[at] = std::to_string(remainder);
        whole = quotient;
    }
    counts[0] = whole;

    const bool allZero =
        whole == "0" &&
        std::all_of(counts.begin() + 1, counts.end(), [](const std::string& c) { return c == "0"; }) &&
        fraction.find_first_not_of('0') == std::string::npos;
    std::string out = value < 0 && !allZero ? "-" : "";
    std::size_t first = 0;
    if (compound.style == CompoundStyle::Named) {
        while (first + 1 < count && counts[first] == "0") {
            ++first;
        }
    }
    for (std::size_t at = first; at < count; ++at) {
        std::string number =
            at == first && thousands ? GroupedDigits(counts[at], format.groupSeparator) : counts[at];
        if (compound.style == CompoundStyle::Colon && at > 0 && number.size() < 2) {
            number.insert(0, 1, '0');
        }
        if (at + 1 == count && !fraction.empty()) {
            number += format.decimalSeparator + fraction;
        }
        switch (compound.style) {
        case CompoundStyle::Named:
            out += (at == first ? "" : " ") + number + " " + std::string(compound.parts[at].symbol);
            break;
        case CompoundStyle::Colon:
            out += (at == 0 ? "" : ":") + number;
            break;
        case CompoundStyle::Arc:
            out += (at == 0 ? "" : " ") + number + std::string(compound.parts[at].symbol);
            break;
        }
    }
    return out;
}

} // namespace tavrix
