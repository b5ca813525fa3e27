// The catalogue's names, category runs and unit formulas, checked against the
// catalogue as it is documented and against base values worked out apart from
// the engine.
#include "Tavrix_Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {
namespace {

struct ExpectedUnit {
    int index;
    std::string_view europeanName;
    long double baseValueOfOne;
};

// Every unit's European name and the value of 1 of it in its category's base
// unit. The values are the doubles each formula must round to, worked out in
// exact decimal arithmetic by golden-values.bc (21 significant digits kept).
// clang-format off
constexpr ExpectedUnit ExpectedUnits[] = {
    {0, "cm/sec²", 0.0100000000000000002082L},
    {1, "m/sec²", 1.0L},
    {2, "inch/sec²", 0.0253999999999999989675L},
    {3, "ft/sec²", 0.304800000000000015365L},
    {4, "g (acc. due to gravity)", 9.80664999999999942304L},
    {5, "degrees (angle)", 1.0L},
    {6, "radians", 57.2957795130823228646L},
    {7, "sine of angle", 90.0L},
    {8, "cosine of angle", 0.0L},
    {9, "tangent of angle", 45.0L},
    {10, "arcsecond (second of arc)", 0.000277777777777777777537L},
    {11, "arcminute (minute of arc)", 0.0166666666666666664354L},
    {12, "full circle", 360.0L},
    {13, "semicircle", 180.0L},
    {14, "1/4 circle", 90.0L},
    {15, "1/6 circle", 60.0L},
    {16, "1/8 circle", 45.0L},
    {17, "1/10 circle", 36.0L},
    {18, "1/12 circle", 30.0L},
    {19, "1/16 circle", 22.5L},
    {20, "mm²", 9.99999999999999954748e-7L},
    {21, "cm²", 0.000100000000000000004792L},
    {22, "m²", 1.0L},
    {23, "in²", 0.000645159999999999982621L},
    {24, "ft²", 0.0929030400000000061711L},
    {25, "yd²", 0.836127359999999986151L},
    {26, "hectare", 10000.0L},
    {27, "acre", 4046.8564224000001559L},
    {28, "sq km", 1000000.0L},
    {29, "sq mile", 2589988.11033600009978L},
    {30, "mm diameter circle", 7.85398163397448331787e-7L},
    {31, "cm diameter circle", 0.0000785398163397448272494L},
    {32, "m diameter circle", 0.785398163397448278999L},
    {33, "in diameter circle", 0.000506707479097497797728L},
    {34, "ft diameter circle", 0.0729658769900396741992L},
    {35, "yd diameter circle", 0.656692892910357040037L},
    {36, "Radius", 3.141592653589793116L},
    {37, "Diameter", 0.785398163397448278999L},
    {38, "Circumference", 0.0795774715459476728041L},
    {39, "Area", 1.0L},
    {40, "gram/mm³", 1000000.0L},
    {41, "gram/cm³", 1000.0L},
    {42, "gram/m³", 0.00100000000000000002082L},
    {43, "gram/litre", 1.0L},
    {44, "kg/mm³", 1000000000.0L},
    {45, "kg/cm³", 1000000.0L},
    {46, "kg/m³", 1.0L},
    {47, "kg/litre", 1000.0L},
    {48, "ounce/in³", 1729.99404438769511216L},
    {49, "ounce/ft³", 1.00115396087250863033L},
    {50, "ounce/yd³", 0.037079776328611431524L},
    {51, "lb/in³", 27679.9047102031217946L},
    {52, "lb/ft³", 16.0184633739601380853L},
    {53, "lb/yd³", 0.593276421257782904384L},
    {54, "cwt (short)/m³", 45.3592370000000002506L},
    {55, "cwt (long)/m³", 50.802345440000003407L},
    {56, "ton (short)/m³", 907.184740000000033433L},
    {57, "ton (long)/m³", 1016.04690879999998288L},
    {58, "tonne/m³", 1000.0L},
    {59, "cwt (short)/ft³", 1601.84633739601395064L},
    {60, "cwt (long)/ft³", 1794.06789788353557924L},
    {61, "ton (short)/ft³", 32036.9267479202790128L},
    {62, "ton (long)/ft³", 35881.3579576707124943L},
    {63, "tonne/ft³", 35314.6667214885892463L},
    {64, "cwt (short)/yd³", 59.3276421257782899943L},
    {65, "cwt (long)/yd³", 66.4469591808716870673L},
    {66, "ton (short)/yd³", 1186.55284251556599884L},
    {67, "ton (long)/yd³", 1328.93918361743385503L},
    {68, "tonne/yd³", 1307.9506193143922701L},
    {69, "N-m", 1.0L},
    {70, "kg-m", 9.80664999999999942304L},
    {71, "ft-lb", 1.35581794833140034662L},
    {72, "Btu", 1055.05585261999999602L},
    {73, "Joule", 1.0L},
    {74, "kJ (kilojoule)", 1000.0L},
    {75, "kcal (kilocalorie)", 4186.8000000000001819L},
    {76, "l/sec", 0.00100000000000000002082L},
    {77, "l/min", 0.0000166666666666666674654L},
    {78, "l/hr", 2.77777777777777759326e-7L},
    {79, "mm³/sec", 1.00000000000000006228e-9L},
    {80, "mm³/min", 1.66666666666666672739e-11L},
    {81, "mm³/hour", 2.77777777777777794629e-13L},
    {82, "cm³/sec (millilitre/sec)", 9.99999999999999954748e-7L},
    {83, "cm³/min (millilitre/min)", 1.66666666666666670154e-8L},
    {84, "cm³/hour (millilitre/hour)", 2.77777777777777766357e-10L},
    {85, "m³/sec", 1.0L},
    {86, "m³/min", 0.0166666666666666664354L},
    {87, "m³/hour", 0.000277777777777777777537L},
    {88, "in³/sec", 0.0000163870639999999992008L},
    {89, "in³/min", 2.7311773333333333413e-7L},
    {90, "in³/hour", 4.55196222222222240094e-9L},
    {91, "ft³/sec", 0.0283168465920000007874L},
    {92, "ft³/min", 0.000471947443199999987825L},
    {93, "ft³/hour", 0.00000786579072000000036177L},
    {94, "gpm USA", 0.0000630901964000000033605L},
    {95, "gpm UK", 0.0000757681999999999973572L},
    {96, "MGD USA", 0.0438126363888888883946L},
    {97, "MGD UK", 0.0526168055555555555514L},
    {98, "Barrels/min (oil)", 0.00264978824879999984299L},
    {99, "Barrels/hour (oil)", 0.0000441631374799999969314L},
    {100, "Barrels/day (oil)", 0.00000184013072833333334665L},
    {101, "gram/sec", 0.00100000000000000002082L},
    {102, "gram/min", 0.0000166666666666666674654L},
    {103, "gram/hour", 2.77777777777777759326e-7L},
    {104, "kilogram/sec", 1.0L},
    {105, "kilogram/min", 0.0166666666666666664354L},
    {106, "kilogram/hour", 0.000277777777777777777537L},
    {107, "ounce/sec", 0.0283495231250000014056L},
    {108, "ounce/min", 0.000472492052083333335076L},
    {109, "ounce/hour", 0.00000787486753472222259008L},
    {110, "lb/sec", 0.45359237000000002249L},
    {111, "lb/min", 0.00755987283333333336122L},
    {112, "lb/hour", 0.000125997880555555561441L},
    {113, "cwt USA/sec", 45.3592370000000002506L},
    {114, "cwt UK/sec", 50.802345440000003407L},
    {115, "cwt USA/min", 0.755987283333333315305L},
    {116, "cwt UK/min", 0.846705757333333308701L},
    {117, "cwt USA/hour", 0.012599788055555555602L},
    {118, "cwt UK/hour", 0.0141117626222222215804L},
    {119, "ton (short) USA/hour", 0.251995761111111105102L},
    {120, "ton (long) UK/hour", 0.28223525244444441773L},
    {121, "tonne (metric)/hour", 0.277777777777777790114L},
    {122, "ton (short) USA/day", 0.0104998233796296282228L},
    {123, "ton (long) UK/day", 0.0117598021851851846503L},
    {124, "tonne (metric)/day", 0.0115740740740740734316L},
    {125, "Newton", 1.0L},
    {126, "kg-force", 9.80664999999999942304L},
    {127, "dyne", 0.000010000000000000000818L},
    {128, "lb-force", 4.44822161526049963953L},
    {129, "ton-force USA", 8896.44323052099935012L},
    {130, "ton-force UK", 9964.01641818352072733L},
    {131, "tonne-force", 9806.6499999999996362L},
    {132, "Hz (Hertz)", 1.0L},
    {133, "kHz (kilohertz)", 1000.0L},
    {134, "MHz (Megahertz)", 1000000.0L},
    {135, "cycles/sec", 1.0L},
    {136, "cycles/min", 0.0166666666666666664354L},
    {137, "cycles/hour", 0.000277777777777777777537L},
    {138, "revolutions/sec", 1.0L},
    {139, "revolutions/min (RPM)", 0.0166666666666666664354L},
    {140, "revolutions/hour", 0.000277777777777777777537L},
    {141, "radians/sec", 0.159154943091895345608L},
    {142, "radians/min", 0.0026525823848649221666L},
    {143, "radians/hour", 0.000044209706414415369895L},
    {144, "degrees/sec", 0.00277777777777777788379L},
    {145, "degrees/min", 0.0000462962962962962939974L},
    {146, "degrees/hour", 7.71604938271604892898e-7L},
    {147, "km/litre", 1.0L},
    {148, "km/gallon USA", 0.264172052358148390372L},
    {149, "km/gallon UK", 0.219969151526189954371L},
    {150, "mile/litre", 1.60934400000000010778L},
    {151, "mile/gallon USA", 0.425143707430272022041L},
    {152, "mile/gallon UK", 0.354006034193764640428L},
    {153, "litre/km", 1.0L},
    {154, "gallon USA/km", 0.264172052358148445883L},
    {155, "gallon UK/km", 0.219969151526189982127L},
    {156, "litre/mile", 1.60934400000000010778L},
    {157, "gallon USA/mile", 0.425143707430272022041L},
    {158, "gallon UK/mile", 0.354006034193764695939L},
    {159, "mm (millimetre)", 0.00100000000000000002082L},
    {160, "cm (centimetre)", 0.0100000000000000002082L},
    {161, "m (metre)", 1.0L},
    {162, "km (kilometre)", 1000.0L},
    {163, "inch", 0.0253999999999999989675L},
    {164, "ft (feet)", 0.304800000000000015365L},
    {165, "yd (yard)", 0.914399999999999990585L},
    {166, "mile", 1609.34400000000005093L},
    {167, "hand", 0.10159999999999999587L},
    {168, "furlong", 201.168000000000006366L},
    {169, "fathom", 1.82879999999999998117L},
    {170, "cable UK", 182.879999999999995453L},
    {171, "cable USA", 219.455999999999988859L},
    {172, "nautical mile", 1852.0L},
    {173, "angstrom", 1.00000000000000003643e-10L},
    {174, "micron", 9.99999999999999954748e-7L},
    {175, "microinch", 2.53999999999999991418e-8L},
    {176, "Astronomical unit", 149597870691.0L},
    {177, "lightyear", 9460730472580800.0L},
    {178, "Lumen/cm²", 10000.0L},
    {179, "Lumen/m² (Lux)", 1.0L},
    {180, "Lumen/in²", 1550.00310000619992934L},
    {181, "Lumen/ft²", 10.7639104167097219289L},
    {182, "foot-candle", 10.7639104167097219289L},
    {183, "millilitre (cm³)", 0.00100000000000000002082L},
    {184, "litre", 1.0L},
    {185, "gallon USA", 3.78541178399999989068L},
    {186, "gallon UK", 4.5460919999999997998L},
    {187, "pint USA", 0.473176472999999986335L},
    {188, "pint UK", 0.568261499999999974975L},
    {189, "quart USA", 0.94635294599999997267L},
    {190, "quart UK", 1.13652299999999994995L},
    {191, "fluid ounce USA", 0.029573529562499999146L},
    {192, "fluid ounce UK", 0.0284130750000000029121L},
    {193, "barrels(oil)", 158.987294928000011396L},
    {194, "milligram", 9.99999999999999954748e-7L},
    {195, "gram", 0.00100000000000000002082L},
    {196, "kg (kilogram)", 1.0L},
    {197, "oz (ounce)", 0.0283495231250000014056L},
    {198, "lb (pound)", 0.45359237000000002249L},
    {199, "stone", 6.35029318000000042588L},
    {200, "slug", 14.5939029372063640011L},
    {201, "cwt (short) USA", 45.3592370000000002506L},
    {202, "cwt (long) UK", 50.802345440000003407L},
    {203, "ton (short) USA", 907.184740000000033433L},
    {204, "ton (long) UK", 1016.04690879999998288L},
    {205, "tonne (metric ton)", 1000.0L},
    {206, "Watt", 1.0L},
    {207, "kW (kilowatt)", 1000.0L},
    {208, "MW (Megawatt)", 1000000.0L},
    {209, "Joule/sec", 1.0L},
    {210, "Joule/min", 0.0166666666666666664354L},
    {211, "Joule/hour", 0.000277777777777777777537L},
    {212, "kg-m/sec", 9.80664999999999942304L},
    {213, "kg-m/min", 0.163444166666666668153L},
    {214, "kg-m/hour", 0.00272406944444444432465L},
    {215, "N-m/sec", 1.0L},
    {216, "N-m/min", 0.0166666666666666664354L},
    {217, "N-m/hour", 0.000277777777777777777537L},
    {218, "kcal/sec (steam)", 4186.8000000000001819L},
    {219, "kcal/min (steam)", 69.7800000000000011369L},
    {220, "kcal/hour (steam)", 1.16300000000000003375L},
    {221, "HP (Horse power)", 745.699871582270247927L},
    {222, "ft-lb/sec", 1.35581794833140034662L},
    {223, "ft-lb/min", 0.0225969658055233391103L},
    {224, "ft-lb/hour", 0.000376616096758722318505L},
    {225, "Btu/sec (steam)", 1055.05585261999999602L},
    {226, "Btu/min (steam)", 17.5842642103333339776L},
    {227, "Btu/hour (steam)", 0.293071070172222225558L},
    {228, "Ton of Refrigeration", 3516.85284206666665341L},
    {229, "N/m²", 0.000010000000000000000818L},
    {230, "Pa (Pascal)", 0.000010000000000000000818L},
    {231, "kPa (kilopascal)", 0.0100000000000000002082L},
    {232, "millibar", 0.00100000000000000002082L},
    {233, "Bar", 1.0L},
    {234, "kgf/cm²", 0.980665000000000008917L},
    {235, "Atmosphere", 1.01324999999999998401L},
    {236, "mm.H2O", 0.0000980665000000000003496L},
    {237, "m.H2O", 0.0980665000000000008917L},
    {238, "in.H20", 0.00249088910000000007122L},
    {239, "ft.H2O", 0.0298906692000000008547L},
    {240, "mm.Hg (Torr)", 0.00133322368421480278756L},
    {241, "in.Hg", 0.0338638815790559891128L},
    {242, "lbf/in² (psi)", 0.0689475729316836177807L},
    {243, "lbf/ft²", 0.00047880258980335845681L},
    {244, "ton-force (short)/in²", 137.895145863367218908L},
    {245, "ton-force (short)/ft²", 0.957605179606716871987L},
    {246, "ton-force (short)/m²", 0.0889644323052099922355L},
    {247, "ton-force (long)/in²", 154.442563366971285177L},
    {248, "ton-force (long)/ft²", 1.07251780115952288774L},
    {249, "ton-force (long)/m²", 0.0996401641818352029611L},
    {250, "tonne-force/in²", 152.003379006758024161L},
    {251, "tonne-force/ft²", 1.05557902088026400733L},
    {252, "tonne-force/m²", 0.0980665000000000008917L},
    {253, "N-m   ", 1.0L},
    {254, "kg-m   ", 9.80664999999999942304L},
    {255, "ounce-foot", 0.0847386217707125216636L},
    {256, "ounce-inch", 0.00706155181422604347197L},
    {257, "lb-foot", 1.35581794833140034662L},
    {258, "lb-inch", 0.112984829027616695551L},
    {259, "kW/rpm", 9549.2965855137208564L},
    {260, "HP/rpm", 7120.90923751859281765L},
    {261, "°Celsius", 274.149999999999977263L},
    {262, "°Fahrenheit", 255.927777777777777146L},
    {263, "°Kelvin", 1.0L},
    {264, "°Rankine", 0.555555555555555580227L},
    {265, "sec", 1.0L},
    {266, "min", 60.0L},
    {267, "hour", 3600.0L},
    {268, "day", 86400.0L},
    {269, "week", 604800.0L},
    {270, "year", 31536000.0L},
    {271, "leap year", 31622400.0L},
    {272, "mm/sec", 0.00100000000000000002082L},
    {273, "mm/min", 0.0000166666666666666674654L},
    {274, "mm/hour", 2.77777777777777759326e-7L},
    {275, "cm/sec", 0.0100000000000000002082L},
    {276, "cm/min", 0.000166666666666666661101L},
    {277, "cm/hour", 0.00000277777777777777791089L},
    {278, "m/sec", 1.0L},
    {279, "m/min", 0.0166666666666666664354L},
    {280, "m/hour", 0.000277777777777777777537L},
    {281, "km/sec", 1000.0L},
    {282, "km/min", 16.6666666666666678509L},
    {283, "km/hour", 0.277777777777777790114L},
    {284, "inch/sec", 0.0253999999999999989675L},
    {285, "inch/min", 0.000423333333333333341423L},
    {286, "inch/hour", 0.00000705555555555555585979L},
    {287, "ft/sec", 0.304800000000000015365L},
    {288, "ft/min", 0.00508000000000000031392L},
    {289, "ft/hour", 0.0000846666666666666601531L},
    {290, "mile/sec", 1609.34400000000005093L},
    {291, "mile/min", 26.8223999999999982435L},
    {292, "mile/hour", 0.44703999999999999293L},
    {293, "knot", 0.514444444444444481945L},
    {294, "Mach (sea level)", 340.300000000000011369L},
    {295, "centipoise", 1.0L},
    {296, "Poise", 100.0L},
    {297, "Pascal-sec", 1000.0L},
    {298, "N-sec/m²", 1000.0L},
    {299, "gram-sec/m²", 9.80664999999999942304L},
    {300, "gram-sec/ft²", 105.557902088026395404L},
    {301, "kg-sec/m²", 9806.6499999999996362L},
    {302, "kg-sec/ft²", 105557.902088026399724L},
    {303, "lbf-sec/m²", 4448.22161526050058455L},
    {304, "lbf-sec/ft² (Slug/ft-sec)", 47880.2589803358350764L},
    {305, "centistokes (mm²/sec)", 1.0L},
    {306, "Stokes (cm²/sec)", 100.0L},
    {307, "cm²/sec", 100.0L},
    {308, "m²/sec", 1000000.0L},
    {309, "in²/sec", 645.159999999999968168L},
    {310, "ft²/sec", 92903.0400000000081491L},
    {311, "mm³", 1.00000000000000006228e-9L},
    {312, "cm³", 9.99999999999999954748e-7L},
    {313, "m³", 1.0L},
    {314, "in³", 0.0000163870639999999992008L},
    {315, "ft³", 0.0283168465920000007874L},
    {316, "yd³", 0.764554857984000024729L},
    {317, "millilitre   ", 9.99999999999999954748e-7L},
    {318, "litre   ", 0.00100000000000000002082L},
    {319, "gallon USA   ", 0.00378541178399999971374L},
    {320, "gallon UK   ", 0.00454609199999999984143L},
    {321, "pint USA   ", 0.000473176472999999964218L},
    {322, "pint UK   ", 0.000568261499999999980179L},
    {323, "quart USA   ", 0.000946352945999999928435L},
    {324, "quart UK   ", 0.00113652299999999996036L},
    {325, "fluid ounce USA   ", 0.0000295735295624999977636L},
    {326, "fluid ounce UK   ", 0.0000284130750000000023971L},
};
// clang-format on
static_assert(std::size(ExpectedUnits) == UnitCount);

// The entries where the USA table spells "liter"/"meter"; everywhere else the
// two tables agree.
struct UsaName {
    int index;
    std::string_view name;
};
constexpr UsaName UsaSpellings[] = {
    {43, "gram/liter"},
    {47, "kg/liter"},
    {82, "cm³/sec (milliliter/sec)"},
    {83, "cm³/min (milliliter/min)"},
    {84, "cm³/hour (milliliter/hour)"},
    {147, "km/liter"},
    {150, "mile/liter"},
    {153, "liter/km"},
    {156, "liter/mile"},
    {159, "mm (millimeter)"},
    {160, "cm (centimeter)"},
    {161, "m (meter)"},
    {162, "km (kilometer)"},
    {183, "milliliter (cm³)"},
    {184, "liter"},
    {317, "milliliter   "},
    {318, "liter   "},
};

std::string_view At(const std::array<std::string_view, UnitCount>& names, int unit) {
    return names.at(static_cast<std::size_t>(unit));
}

TEST(CatalogueNames, CategoriesInListOrder) {
    constexpr std::string_view expected[CategoryCount] = {
        "Acceleration",
        "Angles",
        "Area",
        "Circular measure",
        "Density",
        "Energy",
        "Flow Rate (volume)",
        "Flow Rate (mass)",
        "Force",
        "Frequency",
        "Fuel consumption",
        "Length",
        "Lighting",
        "Liquid measure",
        "Mass / Weight",
        "Power",
        "Pressure",
        "Torque",
        "Temperature",
        "Time",
        "Velocity",
        "Viscosity Dynamic",
        "Viscosity Kinematic",
        "Volume / Capacity",
    };
    for (std::size_t category = 0; category < std::size(expected); ++category) {
        EXPECT_EQ(CategoryNames.at(category), expected[category]) << "category " << category;
    }
}

TEST(CatalogueNames, EveryEuropeanName) {
    for (int unit = 0; unit < UnitCount; ++unit) {
        const ExpectedUnit& expected = ExpectedUnits[unit];
        ASSERT_EQ(expected.index, unit); // the expected table itself is in index order
        EXPECT_EQ(At(UnitNamesEuropean, unit), expected.europeanName) << "unit " << unit;
    }
    EXPECT_EQ(&UnitNames(Spelling::European), &UnitNamesEuropean);
}

TEST(CatalogueNames, UsaTableDiffersInExactlySeventeenEntries) {
    std::set<int> differing;
    for (const UsaName& usa : UsaSpellings) {
        differing.insert(usa.index);
        EXPECT_EQ(At(UnitNamesUSA, usa.index), usa.name) << "unit " << usa.index;
        EXPECT_NE(At(UnitNamesEuropean, usa.index), usa.name) << "unit " << usa.index;
    }
    ASSERT_EQ(differing.size(), 17u);
    for (int unit = 0; unit < UnitCount; ++unit) {
        if (!differing.contains(unit)) {
            EXPECT_EQ(At(UnitNamesUSA, unit), At(UnitNamesEuropean, unit)) << "unit " << unit;
        }
    }
    EXPECT_EQ(&UnitNames(Spelling::USA), &UnitNamesUSA);
}

// Where two categories share a unit name, the later unit carries three
// trailing spaces so that the shown name leads back to one unit.
TEST(CatalogueNames, TrailingSpacesOnlyWhereCategoriesShareANameAndExactlyThree) {
    const std::set<int> expected = {253, 254, 317, 318, 319, 320, 321, 322, 323, 324, 325, 326};
    for (const auto* names : {&UnitNamesEuropean, &UnitNamesUSA}) {
        std::set<int> withSpaces;
        for (int unit = 0; unit < UnitCount; ++unit) {
            const std::string_view name = At(*names, unit);
            ASSERT_FALSE(name.empty()) << "unit " << unit;
            EXPECT_NE(name.front(), ' ') << "unit " << unit;
            if (name.back() == ' ') {
                withSpaces.insert(unit);
                EXPECT_TRUE(name.ends_with("   ") && name[name.size() - 4] != ' ') << "unit " << unit;
            }
        }
        EXPECT_EQ(withSpaces, expected);
    }
    // The unit each spaced name stands apart from.
    const std::pair<int, int> twins[] = {{253, 69},  {254, 70},  {318, 184}, {319, 185},
                                         {320, 186}, {321, 187}, {322, 188}, {323, 189},
                                         {324, 190}, {325, 191}, {326, 192}};
    for (const auto& [spaced, plain] : twins) {
        std::string_view name = At(UnitNamesEuropean, spaced);
        name.remove_suffix(3);
        EXPECT_EQ(name, At(UnitNamesEuropean, plain)) << "unit " << spaced;
    }
}

TEST(CatalogueNames, UniqueWithinEachTable) {
    for (const auto* names : {&UnitNamesEuropean, &UnitNamesUSA}) {
        const std::set<std::string_view> distinct(names->begin(), names->end());
        EXPECT_EQ(distinct.size(), static_cast<std::size_t>(UnitCount));
    }
}

// ², ³ and ° are stored as UTF-8 (C2 B2, C2 B3, C2 B0), never as the single
// Windows-1252 bytes; no other character outside ASCII occurs.
TEST(CatalogueNames, SuperscriptsAndDegreeSignAreUtf8) {
    EXPECT_EQ(At(UnitNamesEuropean, 1), "m/sec\xC2\xB2");
    EXPECT_EQ(At(UnitNamesEuropean, 46), "kg/m\xC2\xB3");
    EXPECT_EQ(At(UnitNamesEuropean, 263), "\xC2\xB0Kelvin");
    const std::string_view allowed[] = {"\xC2\xB2", "\xC2\xB3", "\xC2\xB0"};
    for (const auto* names : {&UnitNamesEuropean, &UnitNamesUSA}) {
        for (int unit = 0; unit < UnitCount; ++unit) {
            const std::string_view name = At(*names, unit);
            for (std::size_t i = 0; i < name.size(); ++i) {
                if (static_cast<unsigned char>(name[i]) < 0x80) {
                    continue;
                }
                const std::string_view pair = name.substr(i, 2);
                EXPECT_TRUE(pair == allowed[0] || pair == allowed[1] || pair == allowed[2])
                    << "unit " << unit << " byte " << i;
                ++i;
            }
        }
    }
    for (const std::string_view name : CategoryNames) {
        for (const char c : name) {
            EXPECT_LT(static_cast<unsigned char>(c), 0x80) << name;
        }
    }
}

struct Lookup {
    std::string_view name;
    Spelling spelling;
    UnitIndex expected;
};

class FindUnitByNameTest : public testing::TestWithParam<Lookup> {};

TEST_P(FindUnitByNameTest, MatchesByteForByte) {
    const Lookup& lookup = GetParam();
    EXPECT_EQ(FindUnitByName(lookup.name, lookup.spelling), lookup.expected);
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, FindUnitByNameTest,
    testing::Values(
        // the spelling decides which table is searched
        Lookup{"gram/litre", Spelling::European, 43}, Lookup{"gram/liter", Spelling::European, NoUnit},
        Lookup{"gram/liter", Spelling::USA, 43}, Lookup{"gram/litre", Spelling::USA, NoUnit},
        Lookup{"m (meter)", Spelling::European, NoUnit}, Lookup{"m (meter)", Spelling::USA, 161},
        // trailing spaces tell shared names apart
        Lookup{"N-m", Spelling::European, 69}, Lookup{"N-m   ", Spelling::European, 253},
        Lookup{"N-m   ", Spelling::USA, 253}, Lookup{"N-m  ", Spelling::European, NoUnit},
        Lookup{"N-m    ", Spelling::European, NoUnit}, Lookup{"kg-m", Spelling::USA, 70},
        Lookup{"kg-m   ", Spelling::USA, 254}, Lookup{"litre", Spelling::European, 184},
        Lookup{"litre   ", Spelling::European, 318}, Lookup{"liter", Spelling::USA, 184},
        Lookup{"liter   ", Spelling::USA, 318},
        // exact bytes: case, leading space, the Windows-1252 byte for ², a NUL
        Lookup{"joule", Spelling::European, NoUnit}, Lookup{"Joule", Spelling::European, 73},
        Lookup{" Joule", Spelling::European, NoUnit}, Lookup{"m/sec\xB2", Spelling::European, NoUnit},
        Lookup{"m/sec\xC2\xB2", Spelling::European, 1}, Lookup{"Joule\0"sv, Spelling::European, NoUnit},
        Lookup{"", Spelling::European, NoUnit}, Lookup{"", Spelling::USA, NoUnit}));

TEST(FindUnitByName, EveryShownNameLeadsBackToItsUnit) {
    EXPECT_EQ(NoUnit, 65535);
    for (const Spelling spelling : {Spelling::European, Spelling::USA}) {
        for (int unit = 0; unit < UnitCount; ++unit) {
            EXPECT_EQ(FindUnitByName(At(UnitNames(spelling), unit), spelling), unit) << "unit " << unit;
        }
    }
}

struct ExpectedRange {
    int firstUnit;
    int unitCount;
    double initialValue;
    int baseUnit;
};

TEST(CategoryUnitRange, RunsInitialValuesAndBaseUnits) {
    constexpr ExpectedRange expected[CategoryCount] = {
        {0, 5, 1, 1},      {5, 15, 1, 5},     {20, 16, 1, 22},   {36, 4, 1, 39},     {40, 29, 1, 46},
        {69, 7, 1, 73},    {76, 25, 1, 85},   {101, 24, 1, 104}, {125, 7, 1, 125},   {132, 15, 1, 132},
        {147, 12, 1, 147}, {159, 19, 1, 161}, {178, 5, 1, 179},  {183, 11, 1, 184},  {194, 12, 1, 196},
        {206, 23, 1, 206}, {229, 24, 1, 233}, {253, 8, 1, 253},  {261, 4, 100, 263}, {265, 7, 60, 265},
        {272, 23, 1, 278}, {295, 10, 1, 295}, {305, 6, 1, 305},  {311, 16, 1, 313},
    };
    for (std::size_t category = 0; category < std::size(expected); ++category) {
        const CategoryRange& range = CategoryUnitRange.at(category);
        EXPECT_EQ(range.firstUnit, expected[category].firstUnit) << "category " << category;
        EXPECT_EQ(range.unitCount, expected[category].unitCount) << "category " << category;
        EXPECT_EQ(range.initialValue, expected[category].initialValue) << "category " << category;
        EXPECT_EQ(range.baseUnit, expected[category].baseUnit) << "category " << category;
    }
}

TEST(CategoryUnitRange, RunsAreContiguousAndCoverEveryUnitOnce) {
    int next = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const CategoryRange& range = CategoryUnitRange.at(static_cast<std::size_t>(category));
        EXPECT_EQ(range.firstUnit, next) << "category " << category;
        EXPECT_GT(range.unitCount, 1) << "category " << category; // a "from" and a "to" to select
        EXPECT_GE(range.baseUnit, range.firstUnit) << "category " << category;
        EXPECT_LT(range.baseUnit, range.firstUnit + range.unitCount) << "category " << category;
        for (int unit = range.firstUnit; unit < range.firstUnit + range.unitCount; ++unit) {
            EXPECT_EQ(CategoryOfUnit(static_cast<UnitIndex>(unit)), category) << "unit " << unit;
        }
        next = range.firstUnit + range.unitCount;
    }
    EXPECT_EQ(next, UnitCount);
    EXPECT_EQ(CategoryOfUnit(UnitCount), -1);
    EXPECT_EQ(CategoryOfUnit(NoUnit), -1);
}

// The base units, and the units that are the same quantity under another
// name, hand any value through unchanged.
TEST(UnitToBase, IdentityUnitsKeepEveryValue) {
    std::vector<int> identities = {69, 135, 138, 209, 215};
    for (const CategoryRange& range : CategoryUnitRange) {
        identities.push_back(range.baseUnit);
    }
    for (const int unit : identities) {
        for (const double x : {0.0, 1.0, -2.5, 0.1, 1e-300, 1e300, 123456.789}) {
            EXPECT_EQ(UnitToBase(static_cast<UnitIndex>(unit), x), x) << "unit " << unit << " x " << x;
        }
    }
}

TEST(UnitToBase, BaseValueOfOneInEveryUnit) {
    constexpr long double relativeTolerance = 4e-16L; // a few ulp
    for (const ExpectedUnit& expected : ExpectedUnits) {
        const long double actual = UnitToBase(static_cast<UnitIndex>(expected.index), 1.0);
        EXPECT_LE(std::fabs(actual - expected.baseValueOfOne),
                  relativeTolerance * std::fabs(expected.baseValueOfOne))
            << "unit " << expected.index << " \"" << expected.europeanName << "\": " << std::setprecision(21)
            << actual << " expected " << expected.baseValueOfOne;
    }
}

} // namespace
} // namespace tavrix
