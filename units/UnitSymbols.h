// The symbols and everyday abbreviations people type for the catalogue's
// units ("g", "l", "mph", "°C"). Each counts as an exact name of its unit when
// units are found by what a person types.
#pragma once

#include <span>
#include <string_view>

namespace tavrix {

// Which spelling a symbol belongs to. A few words mean the USA unit to a
// person who spells the USA way and the British one otherwise ("gallon").
enum class SymbolSpelling { Any, European, USA };

struct UnitSymbol {
    // As people write it. Case does not count, except that where only case
    // tells two symbols apart ("mW" and "MW"), the one in the typed case wins.
    std::string_view symbol;
    std::string_view unitName; // the unit's European name as the lists show it
    SymbolSpelling spelling = SymbolSpelling::Any;
    // Typed in another case, the symbol is another unit the catalogue lacks
    // ("mJ", "mPa"): then it names nothing, rather than a unit a thousand
    // million times as large.
    bool caseCounts = false;
};

// Where a name belongs to units of several categories (the litre of "Liquid
// measure" and of "Volume / Capacity"), the symbol stands for each of them,
// and the other unit of a conversion tells which is meant.
std::span<const UnitSymbol> UnitSymbols();

} // namespace tavrix
