#include "UnitSymbols.h"

#include <array>

namespace tavrix {

namespace {

constexpr SymbolSpelling Any = SymbolSpelling::Any;
constexpr SymbolSpelling European = SymbolSpelling::European;
constexpr SymbolSpelling USA = SymbolSpelling::USA;
constexpr bool CaseCounts = true;

// clang-format off
constexpr std::array Table = std::to_array<UnitSymbol>({
    // symbol     unit (European name)           spelling  case
    // Angles
    {"rad",       "radians",                     Any},
    {"°",         "degrees (angle)",             Any},
    {"\u2032",    "arcminute (minute of arc)",   Any},      // prime, as in 40°26′
    {"\u2033",    "arcsecond (second of arc)",   Any},      // double prime
    {"dms",       "° ′ ″ (deg, min, sec)", Any},
    // Area
    {"ha",        "hectare",                     Any},
    {"ac",        "acre",                        Any},
    {"km²",       "sq km",                       Any},
    {"mi²",       "sq mile",                     Any},
    {"sqft",      "ft²",                         Any},
    // Energy
    {"J",         "Joule",                       Any},
    {"kJ",        "kJ (kilojoule)",              Any},
    {"Nm",        "N-m",                         Any},      // and the torque's
    {"ft-lbf",    "ft-lb",                       Any},
    {"ft lbf",    "ft-lb",                       Any},
    {"MJ",        "MJ (megajoule)",              Any,      CaseCounts},
    {"Wh",        "Wh (watt-hour)",              Any},
    {"kWh",       "kWh (kilowatt-hour)",         Any},
    {"cal",       "cal (calorie)",               Any},
    {"Cal",       "kcal (kilocalorie)",          Any},      // the food label's
    {"eV",        "eV (electronvolt)",           Any},
    // Force
    {"N",         "Newton",                      Any},
    {"kN",        "kN (kilonewton)",             Any},
    {"lbf",       "lb-force",                    Any},
    {"kgf",       "kg-force",                    Any},
    // Frequency
    {"Hz",        "Hz (Hertz)",                  Any},
    {"kHz",       "kHz (kilohertz)",             Any},
    {"MHz",       "MHz (Megahertz)",             Any},
    {"GHz",       "GHz (gigahertz)",             Any},
    {"rpm",       "revolutions/min (RPM)",       Any},
    // Fuel consumption
    {"l/100km",   "litre/100 km",                Any},
    {"L/100km",   "litre/100 km",                Any},
    {"mpg",       "mile/gallon USA",             USA},
    {"mpg",       "mile/gallon UK",              European},
    {"kpl",       "km/litre",                    Any},
    // Length
    {"nm",        "nm (nanometre)",              Any},
    {"mm",        "mm (millimetre)",             Any},
    {"cm",        "cm (centimetre)",             Any},
    {"m",         "m (metre)",                   Any},
    {"km",        "km (kilometre)",              Any},
    {"in",        "inch",                        Any},
    {"ft",        "ft (feet)",                   Any},
    {"yd",        "yd (yard)",                   Any},
    {"mi",        "mile",                        Any},
    {"nmi",       "nautical mile",               Any},
    {"µm",        "micron",                      Any},
    {"Å",         "angstrom",                    Any},
    {"au",        "Astronomical unit",           Any},
    {"ly",        "lightyear",                   Any},
    {"mil",       "mil (thou)",                  Any},
    {"pt",        "point (typographic)",         Any},
    {"ch",        "chain",                       Any},
    {"pc",        "parsec",                      Any},
    // Lighting
    {"lx",        "Lumen/m² (Lux)",              Any},
    {"fc",        "foot-candle",                 Any},
    // Liquid measure, and Volume / Capacity where the unit is there too
    {"l",         "litre",                       Any},
    {"L",         "litre",                       Any},
    {"ml",        "millilitre (cm³)",            Any},
    {"ml",        "millilitre",                  Any},
    {"mL",        "millilitre (cm³)",            Any},
    {"mL",        "millilitre",                  Any},
    {"cc",        "millilitre (cm³)",            Any},
    {"cc",        "cm³",                         Any},
    {"cl",        "cl (centilitre)",             Any},
    {"dl",        "dl (decilitre)",              Any},
    {"cup",       "cup USA",                     USA},
    {"cup",       "cup (metric)",                European},
    {"tbsp",      "tablespoon USA",              USA},
    {"tbsp",      "tablespoon (metric)",         European},
    {"tsp",       "teaspoon USA",                USA},
    {"tsp",       "teaspoon (metric)",           European},
    {"tbs",       "tablespoon USA",              USA},
    {"tbs",       "tablespoon (metric)",         European},
    {"tablespoon", "tablespoon USA",             USA},
    {"tablespoon", "tablespoon (metric)",        European},
    {"teaspoon",  "teaspoon USA",                USA},
    {"teaspoon",  "teaspoon (metric)",           European},
    {"gal",       "gallon USA",                  USA},
    {"gal",       "gallon UK",                   European},
    {"gallon",    "gallon USA",                  USA},
    {"gallon",    "gallon UK",                   European},
    {"pint",      "pint USA",                    USA},
    {"pint",      "pint UK",                     European},
    {"quart",     "quart USA",                   USA},
    {"quart",     "quart UK",                    European},
    {"qt",        "quart USA",                   USA},
    {"qt",        "quart UK",                    European},
    {"fl oz",     "fluid ounce USA",             USA},
    {"fl oz",     "fluid ounce UK",              European},
    {"fluid ounce", "fluid ounce USA",           USA},
    {"fluid ounce", "fluid ounce UK",            European},
    // Mass / Weight
    {"µg",        "µg (microgram)",              Any},
    {"mg",        "milligram",                   Any},
    {"g",         "gram",                        Any},
    {"kg",        "kg (kilogram)",               Any},
    {"t",         "tonne (metric ton)",          Any},
    {"oz",        "oz (ounce)",                  Any},
    {"lb",        "lb (pound)",                  Any},
    {"ct",        "carat (metric)",              Any},
    {"gr",        "grain",                       Any},
    {"ozt",       "troy ounce",                  Any},
    {"cwt",       "cwt (short) USA",             USA},
    {"cwt",       "cwt (long) UK",               European},
    {"ton",       "ton (short) USA",             USA},
    {"ton",       "ton (long) UK",               European},
    // Power
    {"W",         "Watt",                        Any},
    {"kW",        "kW (kilowatt)",               Any},
    {"MW",        "MW (Megawatt)",               Any},
    {"mW",        "mW (milliwatt)",              Any},
    {"GW",        "GW (gigawatt)",               Any},
    {"PS",        "PS (metric horsepower)",      Any},
    {"hp",        "HP (Horse power)",            Any},
    {"horsepower", "HP (Horse power)",           Any},
    // Pressure
    {"Pa",        "Pa (Pascal)",                 Any},
    {"kPa",       "kPa (kilopascal)",            Any},
    {"hPa",       "hPa (hectopascal)",           Any},
    {"MPa",       "MPa (megapascal)",            Any,      CaseCounts},
    {"GPa",       "GPa (gigapascal)",            Any},
    {"mbar",      "millibar",                    Any},
    {"atm",       "Atmosphere",                  Any},
    {"mmHg",      "mm.Hg (Torr)",                Any},
    {"Torr",      "mm.Hg (Torr)",                Any},
    {"inHg",      "in.Hg",                       Any},
    {"psi",       "lbf/in² (psi)",               Any},
    // Torque
    {"lbf ft",    "lb-foot",                     Any},
    {"lbf-ft",    "lb-foot",                     Any},
    {"lbf in",    "lb-inch",                     Any},
    {"lbf-in",    "lb-inch",                     Any},
    // Temperature
    {"°C",        "°Celsius",                    Any},
    {"C",         "°Celsius",                    Any},
    {"°F",        "°Fahrenheit",                 Any},
    {"F",         "°Fahrenheit",                 Any},
    {"K",         "°Kelvin",                     Any},
    {"°R",        "°Rankine",                    Any},
    {"Celsius",   "°Celsius",                    Any},
    {"Fahrenheit", "°Fahrenheit",                Any},
    {"Kelvin",    "°Kelvin",                     Any},
    {"Rankine",   "°Rankine",                    Any},
    // Time
    {"s",         "sec",                         Any},
    {"h",         "hour",                        Any},
    {"hms",       "h:min:s (hr, min, sec)", Any},
    {"hr",        "hour",                        Any},
    {"d",         "day",                         Any},
    {"ms",        "ms (millisecond)",            Any},
    {"µs",        "µs (microsecond)",            Any},
    {"ns",        "ns (nanosecond)",             Any},
    // Velocity
    {"m/s",       "m/sec",                       Any},
    {"km/h",      "km/hour",                     Any},
    {"kph",       "km/hour",                     Any},
    {"kmh",       "km/hour",                     Any},
    {"mph",       "mile/hour",                   Any},
    {"fps",       "ft/sec",                      Any},
    {"kn",        "knot",                        Any},
});
// clang-format on

} // namespace

std::span<const UnitSymbol> UnitSymbols() {
    return Table;
}

} // namespace tavrix
