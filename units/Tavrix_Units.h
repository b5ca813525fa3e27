// The unit catalogue, the converter between units and the rendering of results.
// Pure standard C++: nothing here knows about windows or the desktop.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrix {

// Identifies one of the 369 units. The first 327 came with the first
// catalogue, one contiguous run per category; the units added since are
// numbered after them, again one run per category, and each category lists
// them after its first run; last come the compound units ("ft + in"), whose
// values are written in several units at once, after all the others. So the
// indexes and list positions that earlier versions stored still name the
// same units.
using UnitIndex = std::uint16_t;

inline constexpr int UnitCount = 369;
inline constexpr int FirstCatalogueUnitCount = 327;
inline constexpr int FirstCompoundUnit = 364; // the compound units come after all others
inline constexpr int CategoryCount = 24;
// What a failed name lookup gives: -1 taken as an unsigned 16-bit number.
inline constexpr UnitIndex NoUnit = 65535;

enum class Spelling { European, USA };

struct CategoryRange {
    UnitIndex firstUnit; // the run of the first catalogue
    int unitCount;
    double initialValue; // what the value field shows when the category is chosen
    UnitIndex baseUnit;
    UnitIndex firstAddedUnit; // the run added since; empty where none was
    int addedUnitCount;
    UnitIndex firstCompoundUnit; // the compound units; empty where there are none
    int compoundUnitCount;
};

// Names are UTF-8; trailing spaces are part of a name (they keep names unique
// where two categories share a unit).
extern const std::array<std::string_view, CategoryCount> CategoryNames;
extern const std::array<std::string_view, UnitCount> UnitNamesEuropean;
extern const std::array<std::string_view, UnitCount> UnitNamesUSA;

// Each category's units, in the order of CategoryNames.
// clang-format off
inline constexpr std::array<CategoryRange, CategoryCount> CategoryUnitRange = {{
    // first run, units, initial value, base unit, added run, units, compound run, units
    {0,   5,  1,   1,   0,   0, 0,   0}, // Acceleration
    {5,   15, 1,   5,   0,   0, 364, 1}, // Angles
    {20,  16, 1,   22,  0,   0, 0,   0}, // Area
    {36,  4,  1,   39,  0,   0, 0,   0}, // Circular measure
    {40,  29, 1,   46,  0,   0, 0,   0}, // Density
    {69,  7,  1,   73,  327, 7, 0,   0}, // Energy
    {76,  25, 1,   85,  0,   0, 0,   0}, // Flow Rate (volume)
    {101, 24, 1,   104, 0,   0, 0,   0}, // Flow Rate (mass)
    {125, 7,  1,   125, 334, 1, 0,   0}, // Force
    {132, 15, 1,   132, 335, 1, 0,   0}, // Frequency
    {147, 12, 1,   147, 336, 2, 0,   0}, // Fuel consumption
    {159, 19, 1,   161, 338, 5, 365, 1}, // Length
    {178, 5,  1,   179, 0,   0, 0,   0}, // Lighting
    {183, 11, 1,   184, 343, 8, 0,   0}, // Liquid measure
    {194, 12, 1,   196, 351, 4, 366, 2}, // Mass / Weight
    {206, 23, 1,   206, 355, 3, 0,   0}, // Power
    {229, 24, 1,   233, 358, 3, 0,   0}, // Pressure
    {253, 8,  1,   253, 0,   0, 0,   0}, // Torque
    {261, 4,  100, 263, 0,   0, 0,   0}, // Temperature
    {265, 7,  60,  265, 361, 3, 368, 1}, // Time
    {272, 23, 1,   278, 0,   0, 0,   0}, // Velocity
    {295, 10, 1,   295, 0,   0, 0,   0}, // Viscosity Dynamic
    {305, 6,  1,   305, 0,   0, 0,   0}, // Viscosity Kinematic
    {311, 16, 1,   313, 0,   0, 0,   0}, // Volume / Capacity
}};
// clang-format on

const std::array<std::string_view, UnitCount>& UnitNames(Spelling spelling);

// The unit whose name in the given spelling is exactly `name`; the highest
// index wins; NoUnit when none matches.
UnitIndex FindUnitByName(std::string_view name, Spelling spelling);

// The category that owns `unit`, or -1 for an index beyond the catalogue.
int CategoryOfUnit(UnitIndex unit);

// A category's units in the order its lists show them: its first run, the
// units added since, then its compound units.
std::span<const UnitIndex> CategoryUnits(int category);

// Returned by UnitToBase for an unknown unit and standing for every pair that
// has no conversion.
inline constexpr double ConversionFailureValue = -1e18;

class EConversionsClass : public std::runtime_error {
public:
    EConversionsClass() : std::runtime_error("Conversions failed : routine does not exist") {}
};

// The value of `x` (in `unit`) in its category's base unit; the failure value
// for an unknown unit, without raising.
double UnitToBase(UnitIndex unit, double x);

// `x` in `from` converted to `to`. Raises EConversionsClass for an unknown
// unit or an unsupported pair. Non-finite values pass through as such.
double ConvertUnits(UnitIndex from, UnitIndex to, double x);

// The diameter, in the length unit of diameter-circle unit `to` (30..35), of
// the circle whose area is `area` m²; 0 for any other `to`.
double DiameterInUnit(UnitIndex to, double area);

// The separators results are written with. A locale's group separator may be
// a multi-byte character (U+202F), so both are strings.
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
};

enum ResultFormatCode : std::uint8_t {
    FormatGeneral = 0,
    FormatScientific = 1,
    FormatFixed = 2,
    FormatThousands = 3,
};

inline constexpr int MaxDecimals = 16;

// Renders a number with 15 significant digits in the given mode and
// separators. Mode 0 is the shortest general form.
std::string FormatNumber(double value, int decimals, ResultFormatCode mode, const NumberFormat& format);

// The whole digits with `separator` between each group of three, from the right.
std::string GroupedDigits(const std::string& integer, const std::string& separator);

// Renders a converted value: magnitudes below the round-off threshold show as 0.
std::string FormatResult(double value, int decimals, ResultFormatCode mode, const NumberFormat& format);

} // namespace tavrix
