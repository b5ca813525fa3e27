#include "CompoundUnits.h"

#include <algorithm>
#include <array>

namespace tavrix {

namespace {

// clang-format off
// unit, symbol, how many of the last part, prime sign, aliases
constexpr std::array<CompoundPart, 3> DegreesMinutesSeconds{{
    {5,   "°",      3600, "",       "\u00BA"},       // degrees (angle); the ordinal sign looks alike
    {11,  "\u2032", 60,   "\u2032", "min mins minute minutes m"}, // arcminute
    {10,  "\u2033", 1,    "\u2033", "sec secs second seconds s"}, // arcsecond
}};
constexpr std::array<CompoundPart, 2> FeetAndInches{{
    {164, "ft",     12,   "\u2032", ""},
    {163, "in",     1,    "\u2033", ""},
}};
constexpr std::array<CompoundPart, 2> StonesAndPounds{{
    {199, "st",     14,   "",       ""},
    {198, "lb",     1,    "",       ""},
}};
constexpr std::array<CompoundPart, 2> PoundsAndOunces{{
    {198, "lb",     16,   "",       ""},
    {197, "oz",     1,    "",       ""},
}};
constexpr std::array<CompoundPart, 3> HoursMinutesSeconds{{
    {267, "h",      3600, "",       ""},
    {266, "min",    60,   "",       "m"},
    {265, "s",      1,    "",       ""},
}};

constexpr std::array<CompoundUnit, 5> Compounds{{
    {364, CompoundStyle::Arc,   DegreesMinutesSeconds, true,
     "° º ′ ″ ' \" ’ ” deg degree degrees arcmin arcminute arcminutes min minute minutes "
     "arcsec arcsecond arcseconds sec second seconds and", 145606},
    {365, CompoundStyle::Named, FeetAndInches,         false,
     "ft foot feet ′ ' ’ in inch inches ″ \" ” and", 71},
    {366, CompoundStyle::Named, StonesAndPounds,       false,
     "st stone stones lb lbs pound pounds and", 158},
    {367, CompoundStyle::Named, PoundsAndOunces,       false,
     "lb lbs pound pounds oz ounce ounces and", 100},
    {368, CompoundStyle::Colon, HoursMinutesSeconds,   true,
     "h hr hrs hour hours m min mins minute minutes s sec secs second seconds and", 5400},
}};
// clang-format on

} // namespace

const CompoundUnit* CompoundOf(UnitIndex unit) {
    const auto found = std::find_if(Compounds.begin(), Compounds.end(),
                                    [unit](const CompoundUnit& compound) { return compound.unit == unit; });
    return found == Compounds.end() ? nullptr : &*found;
}

std::span<const CompoundUnit> CompoundUnits() {
    return Compounds;
}

} // namespace tavrix
