// The unit catalogue: one row per unit with its index, its European and USA
// name and its formula to the category's base unit.
//
// Formulas run in 80-bit extended precision, left to right exactly as written;
// UnitToBase rounds each result to a double. R(n, v) is unit n's formula
// applied to v: like any call of UnitToBase the argument and the result are
// doubles, which is where the intermediate roundings of chained units happen.
#include "Catalogue.h"

#include "Constants.h"

#include <cmath>
#include <vector>

namespace tavrix {

namespace {

using X = long double;

long double R(UnitIndex unit, long double v) {
    return UnitToBase(unit, static_cast<double>(v));
}

long double ArcSin(long double x) {
    return std::atan2(x, std::sqrt(1 - x * x));
}
long double ArcCos(long double x) {
    return std::atan2(std::sqrt(1 - x * x), x);
}
long double ArcTan(long double x) {
    return std::atan2(x, 1.0L);
}

constexpr std::string_view same{}; // the USA name is the European one

} // namespace

// One formula per row, read as "value in base unit = ...".
#define F(expression) [](X x) -> X { return expression; }

// clang-format off
const std::array<UnitRow, UnitCount> UnitTable = {{
    // 0 Acceleration, base 1 "m/sec²"
    {0,   "cm/sec²",                    same, F(x / 100)},
    {1,   "m/sec²",                     same, F(x)},
    {2,   "inch/sec²",                  same, F(x * 0.0254L)},
    {3,   "ft/sec²",                    same, F(x * 0.3048L)},
    {4,   "g (acc. due to gravity)",    same, F(x * 9.80665L)},
    // 1 Angles, base 5 "degrees (angle)"
    {5,   "degrees (angle)",            same, F(x)},
    {6,   "radians",                    same, F(x * 180 / Pi)},
    {7,   "sine of angle",              same, F(ArcSin(x) * 180 / Pi)},
    {8,   "cosine of angle",            same, F(ArcCos(x) * 180 / Pi)},
    {9,   "tangent of angle",           same, F(ArcTan(x) * 180 / Pi)},
    {10,  "arcsecond (second of arc)",  same, F(x / 3600)},
    {11,  "arcminute (minute of arc)",  same, F(x / 60)},
    {12,  "full circle",                same, F(x * 360)},
    {13,  "semicircle",                 same, F(x * 180)},
    {14,  "1/4 circle",                 same, F(x * 90)},
    {15,  "1/6 circle",                 same, F(x * 60)},
    {16,  "1/8 circle",                 same, F(x * 45)},
    {17,  "1/10 circle",                same, F(x * 36)},
    {18,  "1/12 circle",                same, F(x * 30)},
    {19,  "1/16 circle",                same, F(x * 22.5L)},
    // 2 Area, base 22 "m²"; 30..35 take a diameter and give the circle's area
    {20,  "mm²",                        same, F(x / 1000 / 1000)},
    {21,  "cm²",                        same, F(x / 100 / 100)},
    {22,  "m²",                         same, F(x)},
    {23,  "in²",                        same, F(x * 0.0254L * 0.0254L)},
    {24,  "ft²",                        same, F(x * 0.3048L * 0.3048L)},
    {25,  "yd²",                        same, F(x * 36 * 0.0254L * 36 * 0.0254L)},
    {26,  "hectare",                    same, F(x * 10000)},
    {27,  "acre",                       same, F(R(25, x * 4840))},
    {28,  "sq km",                      same, F(x * 1000 * 1000)},
    {29,  "sq mile",                    same, F(R(25, x * 1760 * 1760))},
    {30,  "mm diameter circle",         same, F(x * x / 4 * Pi / 1000 / 1000)},
    {31,  "cm diameter circle",         same, F(x * x / 4 * Pi / 100 / 100)},
    {32,  "m diameter circle",          same, F(x * x / 4 * Pi)},
    {33,  "in diameter circle",         same, F(x * x / 4 * Pi * 0.0254L * 0.0254L)},
    {34,  "ft diameter circle",         same, F(x * x / 4 * Pi * 0.3048L * 0.3048L)},
    {35,  "yd diameter circle",         same, F(R(25, x * x / 4 * Pi))},
    // 3 Circular measure, base 39 "Area"
    {36,  "Radius",                     same, F(x * x * Pi)},
    {37,  "Diameter",                   same, F(x * x / 4 * Pi)},
    {38,  "Circumference",              same, F(R(37, x / Pi))},
    {39,  "Area",                       same, F(x)},
    // 4 Density, base 46 "kg/m³"
    {40,  "gram/mm³",                   same, F(x * 1000 * 1000 * 1000 / 1000)},
    {41,  "gram/cm³",                   same, F(x * 100 * 100 * 100 / 1000)},
    {42,  "gram/m³",                    same, F(x / 1000)},
    {43,  "gram/litre",                 "gram/liter", F(x * 1000 / 1000)},
    {44,  "kg/mm³",                     same, F(x * 1000 * 1000 * 1000)},
    {45,  "kg/cm³",                     same, F(x * 100 * 100 * 100)},
    {46,  "kg/m³",                      same, F(x)},
    {47,  "kg/litre",                   "kg/liter", F(x * 1000)},
    {48,  "ounce/in³",                  same, F(x / 0.0254L / 0.0254L / 0.0254L * 0.028349523125L)},
    {49,  "ounce/ft³",                  same, F(x / 0.3048L / 0.3048L / 0.3048L * 0.028349523125L)},
    {50,  "ounce/yd³",                  same, F(R(49, x / 3 / 3 / 3))},
    {51,  "lb/in³",                     same, F(x / 0.0254L / 0.0254L / 0.0254L * 0.45359237L)},
    {52,  "lb/ft³",                     same, F(x / 0.3048L / 0.3048L / 0.3048L * 0.45359237L)},
    {53,  "lb/yd³",                     same, F(R(52, x / 3 / 3 / 3))},
    {54,  "cwt (short)/m³",             same, F(x * 100 * 0.45359237L)},
    {55,  "cwt (long)/m³",              same, F(x * 112 * 0.45359237L)},
    {56,  "ton (short)/m³",             same, F(x * 2000 * 0.45359237L)},
    {57,  "ton (long)/m³",              same, F(x * 2240 * 0.45359237L)},
    {58,  "tonne/m³",                   same, F(x * 1000)},
    {59,  "cwt (short)/ft³",            same, F(R(52, x * 100))},
    {60,  "cwt (long)/ft³",             same, F(R(52, x * 112))},
    {61,  "ton (short)/ft³",            same, F(R(52, x * 2000))},
    {62,  "ton (long)/ft³",             same, F(R(52, x * 2240))},
    {63,  "tonne/ft³",                  same, F(x / 0.3048L / 0.3048L / 0.3048L * 1000)},
    {64,  "cwt (short)/yd³",            same, F(R(59, x / 3 / 3 / 3))},
    {65,  "cwt (long)/yd³",             same, F(R(60, x / 3 / 3 / 3))},
    {66,  "ton (short)/yd³",            same, F(R(61, x / 3 / 3 / 3))},
    {67,  "ton (long)/yd³",             same, F(R(62, x / 3 / 3 / 3))},
    {68,  "tonne/yd³",                  same, F(R(63, x / 3 / 3 / 3))},
    // 5 Energy, base 73 "Joule"
    {69,  "N-m",                        same, F(x)},
    {70,  "kg-m",                       same, F(x * 9.80665L)},
    {71,  "ft-lb",                      same, F(x * 9.80665L * 0.45359237L * 0.3048L)},
    {72,  "Btu",                        same, F(x * 1055.05585262L)},
    {73,  "Joule",                      same, F(x)},
    {74,  "kJ (kilojoule)",             same, F(x * 1000)},
    {75,  "kcal (kilocalorie)",         same, F(x * 4.1868L * 1000)},
    // 6 Flow Rate (volume), base 85 "m³/sec"
    {76,  "l/sec",                      same, F(x / 1000)},
    {77,  "l/min",                      same, F(x / 1000 / 60)},
    {78,  "l/hr",                       same, F(x / 1000 / 60 / 60)},
    {79,  "mm³/sec",                    same, F(x / 1000 / 1000 / 1000)},
    {80,  "mm³/min",                    same, F(x / 1000 / 1000 / 1000 / 60)},
    {81,  "mm³/hour",                   same, F(x / 1000 / 1000 / 1000 / 60 / 60)},
    {82,  "cm³/sec (millilitre/sec)",   "cm³/sec (milliliter/sec)", F(x / 100 / 100 / 100)},
    {83,  "cm³/min (millilitre/min)",   "cm³/min (milliliter/min)", F(x / 100 / 100 / 100 / 60)},
    {84,  "cm³/hour (millilitre/hour)", "cm³/hour (milliliter/hour)", F(x / 100 / 100 / 100 / 60 / 60)},
    {85,  "m³/sec",                     same, F(x)},
    {86,  "m³/min",                     same, F(x / 60)},
    {87,  "m³/hour",                    same, F(x / 60 / 60)},
    {88,  "in³/sec",                    same, F(x * 0.0254L * 0.0254L * 0.0254L)},
    {89,  "in³/min",                    same, F(x * 0.0254L * 0.0254L * 0.0254L / 60)},
    {90,  "in³/hour",                   same, F(x * 0.0254L * 0.0254L * 0.0254L / 60 / 60)},
    {91,  "ft³/sec",                    same, F(x * 0.3048L * 0.3048L * 0.3048L)},
    {92,  "ft³/min",                    same, F(x * 0.3048L * 0.3048L * 0.3048L / 60)},
    {93,  "ft³/hour",                   same, F(x * 0.3048L * 0.3048L * 0.3048L / 60 / 60)},
    {94,  "gpm USA",                    same, F(x * 3.785411784L / 1000 / 60)},
    {95,  "gpm UK",                     same, F(x * 4.546092L / 1000 / 60)},
    {96,  "MGD USA",                    same, F(R(94, x * 1000000 / 24 / 60))},
    {97,  "MGD UK",                     same, F(R(95, x * 1000000 / 24 / 60))},
    {98,  "Barrels/min (oil)",          same, F(R(94, x * 42))},
    {99,  "Barrels/hour (oil)",         same, F(R(94, x * 42 / 60))},
    {100, "Barrels/day (oil)",          same, F(R(94, x * 42 / 24 / 60))},
    // 7 Flow Rate (mass), base 104 "kilogram/sec"
    {101, "gram/sec",                   same, F(x / 1000)},
    {102, "gram/min",                   same, F(x / 1000 / 60)},
    {103, "gram/hour",                  same, F(x / 1000 / 60 / 60)},
    {104, "kilogram/sec",               same, F(x)},
    {105, "kilogram/min",               same, F(x / 60)},
    {106, "kilogram/hour",              same, F(x / 60 / 60)},
    {107, "ounce/sec",                  same, F(x * 0.45359237L / 16)},
    {108, "ounce/min",                  same, F(x * 0.45359237L / 16 / 60)},
    {109, "ounce/hour",                 same, F(x * 0.45359237L / 16 / 60 / 60)},
    {110, "lb/sec",                     same, F(x * 0.45359237L)},
    {111, "lb/min",                     same, F(x * 0.45359237L / 60)},
    {112, "lb/hour",                    same, F(x * 0.45359237L / 60 / 60)},
    {113, "cwt USA/sec",                same, F(R(110, x * 100))},
    {114, "cwt UK/sec",                 same, F(R(110, x * 112))},
    {115, "cwt USA/min",                same, F(R(111, x * 100))},
    {116, "cwt UK/min",                 same, F(R(111, x * 112))},
    {117, "cwt USA/hour",               same, F(R(112, x * 100))},
    {118, "cwt UK/hour",                same, F(R(112, x * 112))},
    {119, "ton (short) USA/hour",       same, F(R(112, x * 2000))},
    {120, "ton (long) UK/hour",         same, F(R(112, x * 2240))},
    {121, "tonne (metric)/hour",        same, F(x * 1000 / 60 / 60)},
    {122, "ton (short) USA/day",        same, F(R(119, x / 24))},
    {123, "ton (long) UK/day",          same, F(R(120, x / 24))},
    {124, "tonne (metric)/day",         same, F(R(121, x / 24))},
    // 8 Force, base 125 "Newton"
    {125, "Newton",                     same, F(x)},
    {126, "kg-force",                   same, F(x * 9.80665L)},
    {127, "dyne",                       same, F(x / 100000)},
    {128, "lb-force",                   same, F(x * 9.80665L * 0.45359237L)},
    {129, "ton-force USA",              same, F(R(128, x * 2000))},
    {130, "ton-force UK",               same, F(R(128, x * 2240))},
    {131, "tonne-force",                same, F(x * 1000 * 9.80665L)},
    // 9 Frequency, base 132 "Hz (Hertz)"
    {132, "Hz (Hertz)",                 same, F(x)},
    {133, "kHz (kilohertz)",            same, F(x * 1000)},
    {134, "MHz (Megahertz)",            same, F(x * 1000000)},
    {135, "cycles/sec",                 same, F(x)},
    {136, "cycles/min",                 same, F(x / 60)},
    {137, "cycles/hour",                same, F(x / 60 / 60)},
    {138, "revolutions/sec",            same, F(x)},
    {139, "revolutions/min (RPM)",      same, F(x / 60)},
    {140, "revolutions/hour",           same, F(x / 60 / 60)},
    {141, "radians/sec",                same, F(x / 2 / Pi)},
    {142, "radians/min",                same, F(R(141, x / 60))},
    {143, "radians/hour",               same, F(R(141, x / 60 / 60))},
    {144, "degrees/sec",                same, F(x / 360)},
    {145, "degrees/min",                same, F(R(144, x / 60))},
    {146, "degrees/hour",               same, F(R(144, x / 60 / 60))},
    // 10 Fuel consumption, base 147 "km/litre"; 153..158 are their own inverses
    {147, "km/litre",                   "km/liter", F(x)},
    {148, "km/gallon USA",              same, F(x / 3.785411784L)},
    {149, "km/gallon UK",               same, F(x / 4.546092L)},
    {150, "mile/litre",                 "mile/liter", F(x * 1.609344L)},
    {151, "mile/gallon USA",            same, F(x * 1.609344L / 3.785411784L)},
    {152, "mile/gallon UK",             same, F(x * 1.609344L / 4.546092L)},
    {153, "litre/km",                   "liter/km", F(1 / x)},
    {154, "gallon USA/km",              same, F(R(153, x * 3.785411784L))},
    {155, "gallon UK/km",               same, F(R(153, x * 4.546092L))},
    {156, "litre/mile",                 "liter/mile", F(1 / x * 1.609344L)},
    {157, "gallon USA/mile",            same, F(R(156, x * 3.785411784L))},
    {158, "gallon UK/mile",             same, F(R(156, x * 4.546092L))},
    // 11 Length, base 161 "m (metre)"
    {159, "mm (millimetre)",            "mm (millimeter)", F(x / 1000)},
    {160, "cm (centimetre)",            "cm (centimeter)", F(x / 100)},
    {161, "m (metre)",                  "m (meter)", F(x)},
    {162, "km (kilometre)",             "km (kilometer)", F(x * 1000)},
    {163, "inch",                       same, F(x * 0.0254L)},
    {164, "ft (feet)",                  same, F(x * 0.3048L)},
    {165, "yd (yard)",                  same, F(x * 36 * 0.0254L)},
    {166, "mile",                       same, F(x * 1760 * 3 * 0.3048L)},
    {167, "hand",                       same, F(x * 4 / 12 * 0.3048L)},
    {168, "furlong",                    same, F(x * 220 * 3 * 0.3048L)},
    {169, "fathom",                     same, F(x * 6 * 0.3048L)},
    {170, "cable UK",                   same, F(x * 600 * 0.3048L)},
    {171, "cable USA",                  same, F(x * 720 * 0.3048L)},
    {172, "nautical mile",              same, F(x * 1852)},
    {173, "angstrom",                   same, F(x / 10000000000)},
    {174, "micron",                     same, F(x / 1000000)},
    {175, "microinch",                  same, F(x * 0.0254L / 1000000)},
    {176, "Astronomical unit",          same, F(x * 149597870691)},
    {177, "lightyear",                  same, F(x * 9460730472580.8L * 1000)},
    // 12 Lighting, base 179 "Lumen/m² (Lux)"
    {178, "Lumen/cm²",                  same, F(x * 100 * 100)},
    {179, "Lumen/m² (Lux)",             same, F(x)},
    {180, "Lumen/in²",                  same, F(x / 0.0254L / 0.0254L)},
    {181, "Lumen/ft²",                  same, F(x / 0.3048L / 0.3048L)},
    {182, "foot-candle",                same, F(R(181, x))},
    // 13 Liquid measure, base 184 "litre"
    {183, "millilitre (cm³)",           "milliliter (cm³)", F(x / 1000)},
    {184, "litre",                      "liter", F(x)},
    {185, "gallon USA",                 same, F(x * 3.785411784L)},
    {186, "gallon UK",                  same, F(x * 4.546092L)},
    {187, "pint USA",                   same, F(R(185, x / 8))},
    {188, "pint UK",                    same, F(R(186, x / 8))},
    {189, "quart USA",                  same, F(R(185, x * 2 / 8))},
    {190, "quart UK",                   same, F(R(186, x * 2 / 8))},
    {191, "fluid ounce USA",            same, F(R(187, x / 16))},
    {192, "fluid ounce UK",             same, F(R(188, x / 20))},
    {193, "barrels(oil)",               same, F(R(185, x * 42))},
    // 14 Mass / Weight, base 196 "kg (kilogram)"
    {194, "milligram",                  same, F(x / 1000 / 1000)},
    {195, "gram",                       same, F(x / 1000)},
    {196, "kg (kilogram)",              same, F(x)},
    {197, "oz (ounce)",                 same, F(x * 0.45359237L / 16)},
    {198, "lb (pound)",                 same, F(x * 0.45359237L)},
    {199, "stone",                      same, F(R(198, x * 14))},
    {200, "slug",                       same, F(x * 9.80665L / 0.3048L * 0.45359237L)},
    {201, "cwt (short) USA",            same, F(R(198, x * 100))},
    {202, "cwt (long) UK",              same, F(R(198, x * 112))},
    {203, "ton (short) USA",            same, F(R(198, x * 2000))},
    {204, "ton (long) UK",              same, F(R(198, x * 2240))},
    {205, "tonne (metric ton)",         same, F(x * 1000)},
    // 15 Power, base 206 "Watt"
    {206, "Watt",                       same, F(x)},
    {207, "kW (kilowatt)",              same, F(x * 1000)},
    {208, "MW (Megawatt)",              same, F(x * 1000 * 1000)},
    {209, "Joule/sec",                  same, F(x)},
    {210, "Joule/min",                  same, F(R(209, x / 60))},
    {211, "Joule/hour",                 same, F(R(209, x / 60 / 60))},
    {212, "kg-m/sec",                   same, F(x * 9.80665L)},
    {213, "kg-m/min",                   same, F(R(212, x / 60))},
    {214, "kg-m/hour",                  same, F(R(212, x / 60 / 60))},
    {215, "N-m/sec",                    same, F(x)},
    {216, "N-m/min",                    same, F(R(215, x / 60))},
    {217, "N-m/hour",                   same, F(R(215, x / 60 / 60))},
    {218, "kcal/sec (steam)",           same, F(x * 4.1868L * 1000)},
    {219, "kcal/min (steam)",           same, F(R(218, x / 60))},
    {220, "kcal/hour (steam)",          same, F(R(218, x / 60 / 60))},
    {221, "HP (Horse power)",           same, F(x * 745.69987158227022L)},
    {222, "ft-lb/sec",                  same, F(R(212, x * 0.3048L * 0.45359237L))},
    {223, "ft-lb/min",                  same, F(R(222, x / 60))},
    {224, "ft-lb/hour",                 same, F(R(222, x / 60 / 60))},
    {225, "Btu/sec (steam)",            same, F(x * 1055.05585262L)},
    {226, "Btu/min (steam)",            same, F(R(225, x / 60))},
    {227, "Btu/hour (steam)",           same, F(R(225, x / 60 / 60))},
    {228, "Ton of Refrigeration",       same, F(R(227, x * 12000))},
    // 16 Pressure, base 233 "Bar"
    {229, "N/m²",                       same, F(x / 100000)},
    {230, "Pa (Pascal)",                same, F(x / 100000)},
    {231, "kPa (kilopascal)",           same, F(x / 100)},
    {232, "millibar",                   same, F(x / 1000)},
    {233, "Bar",                        same, F(x)},
    {234, "kgf/cm²",                    same, F(x * 9.80665L * 100 * 100 / 100000)},
    {235, "Atmosphere",                 same, F(x * 101325 / 100000)},
    {236, "mm.H2O",                     same, F(x * 9.80665L / 100000)},
    {237, "m.H2O",                      same, F(x * 9.80665L * 1000 / 100000)},
    {238, "in.H20",                     same, F(x / 12 * 0.3048L * 9.80665L * 1000 / 100000)},
    {239, "ft.H2O",                     same, F(x * 0.3048L * 9.80665L * 1000 / 100000)},
    {240, "mm.Hg (Torr)",               same, F(x / 1000 * 9.80665L * 1000 / 100000 * 13.5950980632L)},
    {241, "in.Hg",                      same, F(x / 12 * 0.3048L * 9.80665L * 1000 / 100000 * 13.5950980632L)},
    {242, "lbf/in² (psi)",              same, F(R(230, x * 9.80665L * 0.45359237L / 0.0254L / 0.0254L))},
    {243, "lbf/ft²",                    same, F(R(230, x * 9.80665L * 0.45359237L / 0.3048L / 0.3048L))},
    {244, "ton-force (short)/in²",      same, F(R(242, x * 2000))},
    {245, "ton-force (short)/ft²",      same, F(R(243, x * 2000))},
    {246, "ton-force (short)/m²",       same, F(R(230, x * 9.80665L * 0.45359237L * 2000))},
    {247, "ton-force (long)/in²",       same, F(R(242, x * 2240))},
    {248, "ton-force (long)/ft²",       same, F(R(243, x * 2240))},
    {249, "ton-force (long)/m²",        same, F(R(230, x * 9.80665L * 0.45359237L * 2240))},
    {250, "tonne-force/in²",            same, F(R(230, x * 9.80665L * 1000 / 0.0254L / 0.0254L))},
    {251, "tonne-force/ft²",            same, F(R(230, x * 9.80665L * 1000 / 0.3048L / 0.3048L))},
    {252, "tonne-force/m²",             same, F(R(230, x * 9.80665L * 1000))},
    // 17 Torque, base 253 "N-m   "; the trailing spaces set them apart from Energy's
    {253, "N-m   ",                     same, F(x)},
    {254, "kg-m   ",                    same, F(x * 9.80665L)},
    {255, "ounce-foot",                 same, F(R(254, x * 0.45359237L / 16 * 0.3048L))},
    {256, "ounce-inch",                 same, F(R(255, x / 12))},
    {257, "lb-foot",                    same, F(R(254, x * 0.45359237L * 0.3048L))},
    {258, "lb-inch",                    same, F(R(257, x / 12))},
    {259, "kW/rpm",                     same, F(x * 60 * 1000 / 2 / Pi)},
    {260, "HP/rpm",                     same, F(R(259, R(221, x / 1000)))},
    // 18 Temperature, base 263 "°Kelvin"
    {261, "°Celsius",                   same, F(x + 273.15L)},
    {262, "°Fahrenheit",                same, F((x - 32) / 1.8L + 273.15L)},
    {263, "°Kelvin",                    same, F(x)},
    {264, "°Rankine",                   same, F(x / 1.8L)},
    // 19 Time, base 265 "sec"
    {265, "sec",                        same, F(x)},
    {266, "min",                        same, F(x * 60)},
    {267, "hour",                       same, F(R(266, x * 60))},
    {268, "day",                        same, F(R(267, x * 24))},
    {269, "week",                       same, F(R(268, x * 7))},
    {270, "year",                       same, F(R(268, x * 365))},
    {271, "leap year",                  same, F(R(268, x * 366))},
    // 20 Velocity, base 278 "m/sec"
    {272, "mm/sec",                     same, F(x / 1000)},
    {273, "mm/min",                     same, F(R(272, x / 60))},
    {274, "mm/hour",                    same, F(R(273, x / 60))},
    {275, "cm/sec",                     same, F(R(272, x * 10))},
    {276, "cm/min",                     same, F(R(275, x / 60))},
    {277, "cm/hour",                    same, F(R(276, x / 60))},
    {278, "m/sec",                      same, F(x)},
    {279, "m/min",                      same, F(x / 60)},
    {280, "m/hour",                     same, F(R(279, x / 60))},
    {281, "km/sec",                     same, F(x * 1000)},
    {282, "km/min",                     same, F(R(281, x / 60))},
    {283, "km/hour",                    same, F(R(282, x / 60))},
    {284, "inch/sec",                   same, F(x * 0.0254L)},
    {285, "inch/min",                   same, F(R(284, x / 60))},
    {286, "inch/hour",                  same, F(R(285, x / 60))},
    {287, "ft/sec",                     same, F(x * 0.3048L)},
    {288, "ft/min",                     same, F(R(287, x / 60))},
    {289, "ft/hour",                    same, F(R(288, x / 60))},
    {290, "mile/sec",                   same, F(x * 1.609344L * 1000)},
    {291, "mile/min",                   same, F(R(290, x / 60))},
    {292, "mile/hour",                  same, F(R(291, x / 60))},
    {293, "knot",                       same, F(R(280, x * 1852))},
    {294, "Mach (sea level)",           same, F(x * 340.3L)},
    // 21 Viscosity Dynamic, base 295 "centipoise"
    {295, "centipoise",                 same, F(x)},
    {296, "Poise",                      same, F(x * 100)},
    {297, "Pascal-sec",                 same, F(x * 1000)},
    {298, "N-sec/m²",                   same, F(x * 1000)},
    {299, "gram-sec/m²",                same, F(x * 9.80665L)},
    {300, "gram-sec/ft²",               same, F(R(299, x / 0.3048L / 0.3048L))},
    {301, "kg-sec/m²",                  same, F(x * 9.80665L * 1000)},
    {302, "kg-sec/ft²",                 same, F(R(301, x / 0.3048L / 0.3048L))},
    {303, "lbf-sec/m²",                 same, F(R(301, x * 0.45359237L))},
    {304, "lbf-sec/ft² (Slug/ft-sec)",  same, F(R(303, x / 0.3048L / 0.3048L))},
    // 22 Viscosity Kinematic, base 305 "centistokes (mm²/sec)"
    {305, "centistokes (mm²/sec)",      same, F(x)},
    {306, "Stokes (cm²/sec)",           same, F(x * 100)},
    {307, "cm²/sec",                    same, F(x * 100)},
    {308, "m²/sec",                     same, F(R(307, x * 100 * 100))},
    {309, "in²/sec",                    same, F(R(308, x * 0.0254L * 0.0254L))},
    {310, "ft²/sec",                    same, F(R(308, x * 0.3048L * 0.3048L))},
    // 23 Volume / Capacity, base 313 "m³"; the trailing spaces set them apart from Liquid measure's
    {311, "mm³",                        same, F(x / 1000 / 1000 / 1000)},
    {312, "cm³",                        same, F(x / 100 / 100 / 100)},
    {313, "m³",                         same, F(x)},
    {314, "in³",                        same, F(x * 0.0254L * 0.0254L * 0.0254L)},
    {315, "ft³",                        same, F(x * 0.3048L * 0.3048L * 0.3048L)},
    {316, "yd³",                        same, F(R(315, x * 3 * 3 * 3))},
    {317, "millilitre   ",              "milliliter   ", F(x / 100 / 100 / 100)},
    {318, "litre   ",                   "liter   ", F(x / 1000)},
    {319, "gallon USA   ",              same, F(R(318, x * 3.785411784L))},
    {320, "gallon UK   ",               same, F(R(318, x * 4.546092L))},
    {321, "pint USA   ",                same, F(R(319, x / 8))},
    {322, "pint UK   ",                 same, F(R(320, x / 8))},
    {323, "quart USA   ",               same, F(R(321, x * 2))},
    {324, "quart UK   ",                same, F(R(322, x * 2))},
    {325, "fluid ounce USA   ",         same, F(R(321, x / 16))},
    {326, "fluid ounce UK   ",          same, F(R(322, x / 20))},

    // The units added since the first catalogue, after it so that its
    // indexes keep their meaning; each category lists its own after its
    // first run.
    // 5 Energy
    {327, "Wh (watt-hour)",             same, F(x * 3600)},
    {328, "kWh (kilowatt-hour)",        same, F(x * 3600 * 1000)},
    {329, "MJ (megajoule)",             same, F(x * 1000000)},
    {330, "cal (calorie)",              same, F(x * 4.1868L)},
    {331, "eV (electronvolt)",          same, F(x * 1.602176634e-19L)},
    {332, "therm USA",                  same, F(x * 105480400)},
    {333, "erg",                        same, F(x / 10000000)},
    // 8 Force
    {334, "kN (kilonewton)",            same, F(x * 1000)},
    // 9 Frequency
    {335, "GHz (gigahertz)",            same, F(x * 1000000000)},
    // 10 Fuel consumption: volume per distance, their own inverses as 153..158
    {336, "litre/100 km",               "liter/100 km", F(100 / x)},
    {337, "gallon USA/100 miles",       same, F(100 * 1.609344L / 3.785411784L / x)},
    // 11 Length
    {338, "nm (nanometre)",             "nm (nanometer)", F(x / 1000000000)},
    {339, "mil (thou)",                 same, F(x * 0.0254L / 1000)},
    {340, "point (typographic)",        same, F(x * 0.0254L / 72)},
    {341, "chain",                      same, F(x * 66 * 0.3048L)},
    {342, "parsec",                     same, F(x * 648000 / Pi * 149597870700)},
    // 13 Liquid measure
    {343, "cl (centilitre)",            "cl (centiliter)", F(x / 100)},
    {344, "dl (decilitre)",             "dl (deciliter)", F(x / 10)},
    {345, "cup USA",                    same, F(x * 3.785411784L / 16)},
    {346, "tablespoon USA",             same, F(x * 3.785411784L / 256)},
    {347, "teaspoon USA",               same, F(x * 3.785411784L / 768)},
    {348, "cup (metric)",               same, F(x / 4)},
    {349, "tablespoon (metric)",        same, F(x * 15 / 1000)},
    {350, "teaspoon (metric)",          same, F(x * 5 / 1000)},
    // 14 Mass / Weight
    {351, "µg (microgram)",             same, F(x / 1000000000)},
    {352, "carat (metric)",             same, F(x / 5000)},
    {353, "grain",                      same, F(x * 0.45359237L / 7000)},
    {354, "troy ounce",                 same, F(x * 480 * 0.45359237L / 7000)},
    // 15 Power
    {355, "PS (metric horsepower)",     same, F(x * 735.49875L)},
    {356, "mW (milliwatt)",             same, F(x / 1000)},
    {357, "GW (gigawatt)",              same, F(x * 1000 * 1000 * 1000)},
    // 16 Pressure
    {358, "hPa (hectopascal)",          same, F(x * 100 / 100000)},
    {359, "MPa (megapascal)",           same, F(x * 1000000 / 100000)},
    {360, "GPa (gigapascal)",           same, F(x * 1000000000 / 100000)},
    // 19 Time
    {361, "ms (millisecond)",           same, F(x / 1000)},
    {362, "µs (microsecond)",           same, F(x / 1000000)},
    {363, "ns (nanosecond)",            same, F(x / 1000000000)},

    // The compound units: a value in several units at once ("5 ft 11 in"),
    // counted in its last part's unit, whose formula it shares, so that it
    // converts exactly as that unit does (CompoundUnits.h has the parts).
    // 1 Angles
    {364, "° ′ ″ (deg, min, sec)", same, F(R(10, x))},
    // 11 Length
    {365, "ft + in (feet and inches)",  same, F(R(163, x))},
    // 14 Mass / Weight
    {366, "st + lb (stones and pounds)", same, F(R(198, x))},
    {367, "lb + oz (pounds and ounces)", same, F(R(197, x))},
    // 19 Time
    {368, "h:min:s (hr, min, sec)", same, F(R(265, x))},
}};
// clang-format on

#undef F

// Each name carries the mark that Qt's translation tools read in the
// sources, so that the window's translations are made from these very
// names; the engine has no Qt, and to it the mark is the name.
#define QT_TRANSLATE_NOOP(scope, name) name
const std::array<std::string_view, CategoryCount> CategoryNames = {
    QT_TRANSLATE_NOOP("tavrix::Category", "Acceleration"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Angles"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Area"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Circular measure"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Density"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Energy"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Flow Rate (volume)"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Flow Rate (mass)"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Force"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Frequency"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Fuel consumption"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Length"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Lighting"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Liquid measure"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Mass / Weight"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Power"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Pressure"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Torque"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Temperature"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Time"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Velocity"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Viscosity Dynamic"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Viscosity Kinematic"),
    QT_TRANSLATE_NOOP("tavrix::Category", "Volume / Capacity"),
};
#undef QT_TRANSLATE_NOOP
// clang-format on

namespace {

std::array<std::string_view, UnitCount> NamesIn(Spelling spelling) {
    std::array<std::string_view, UnitCount> names{};
    for (const UnitRow& row : UnitTable) {
        const bool usa = spelling == Spelling::USA && !row.usa.empty();
        names.at(row.index) = usa ? row.usa : row.european;
    }
    return names;
}

} // namespace

const std::array<std::string_view, UnitCount> UnitNamesEuropean = NamesIn(Spelling::European);
const std::array<std::string_view, UnitCount> UnitNamesUSA = NamesIn(Spelling::USA);

const std::array<std::string_view, UnitCount>& UnitNames(Spelling spelling) {
    return spelling == Spelling::USA ? UnitNamesUSA : UnitNamesEuropean;
}

UnitIndex FindUnitByName(std::string_view name, Spelling spelling) {
    const auto& names = UnitNames(spelling);
    for (int unit = UnitCount - 1; unit >= 0; --unit) {
        if (names[static_cast<std::size_t>(unit)] == name) {
            return static_cast<UnitIndex>(unit);
        }
    }
    return NoUnit;
}

namespace {

struct UnitRun {
    int first;
    int count;
    bool contains(UnitIndex unit) const { return unit >= first && unit < first + count; }
};

// A category's runs in the order its lists show them.
std::array<UnitRun, 3> RunsOf(const CategoryRange& range) {
    return {{{range.firstUnit, range.unitCount},
             {range.firstAddedUnit, range.addedUnitCount},
             {range.firstCompoundUnit, range.compoundUnitCount}}};
}

} // namespace

int CategoryOfUnit(UnitIndex unit) {
    for (int category = 0; category < CategoryCount; ++category) {
        for (const UnitRun& run : RunsOf(CategoryUnitRange[static_cast<std::size_t>(category)])) {
            if (run.contains(unit)) {
                return category;
            }
        }
    }
    return -1;
}

std::span<const UnitIndex> CategoryUnits(int category) {
    static const std::array<std::vector<UnitIndex>, CategoryCount> lists = [] {
        std::array<std::vector<UnitIndex>, CategoryCount> made;
        for (std::size_t each = 0; each < made.size(); ++each) {
            for (const UnitRun& run : RunsOf(CategoryUnitRange[each])) {
                for (int unit = run.first; unit < run.first + run.count; ++unit) {
                    made[each].push_back(static_cast<UnitIndex>(unit));
                }
            }
        }
        return made;
    }();
    return lists.at(static_cast<std::size_t>(category));
}

double UnitToBase(UnitIndex unit, double x) {
    if (unit >= UnitCount) {
        return ConversionFailureValue;
    }
    return static_cast<double>(UnitTable[unit].toBase(x));
}

} // namespace tavrix
