// The catalogue's rows, shared by the lookup and the converter.
#pragma once

#include "Tavrix_Units.h"

namespace tavrix {

// Turns a value in a unit into its category's base unit, in extended precision.
using ToBaseFormula = long double (*)(long double x);

struct UnitRow {
    UnitIndex index;
    std::string_view european;
    std::string_view usa; // empty where it is the European name
    ToBaseFormula toBase;
};

extern const std::array<UnitRow, UnitCount> UnitTable;

} // namespace tavrix
