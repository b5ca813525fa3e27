// The units the conversion rules single out, by name, so that neither the
// converter nor the window writes a bare catalogue index.
#pragma once

#include "Tavrix_Units.h"

namespace tavrix::unit {

// A contiguous run of catalogue indexes, both ends included.
struct Run {
    UnitIndex first;
    UnitIndex last;
    constexpr bool contains(UnitIndex unit) const { return unit >= first && unit <= last; }
};

inline constexpr UnitIndex SineOfAngle = 7;
inline constexpr UnitIndex CosineOfAngle = 8;
inline constexpr UnitIndex TangentOfAngle = 9;
inline constexpr UnitIndex Radius = 36;
inline constexpr UnitIndex Diameter = 37;
inline constexpr UnitIndex Circumference = 38;
inline constexpr UnitIndex CircleArea = 39;
inline constexpr UnitIndex MmDiameterCircle = 30;
inline constexpr UnitIndex CmDiameterCircle = 31;
inline constexpr UnitIndex MDiameterCircle = 32;
inline constexpr UnitIndex InchDiameterCircle = 33;
inline constexpr UnitIndex FtDiameterCircle = 34;
inline constexpr UnitIndex YdDiameterCircle = 35;
inline constexpr UnitIndex Celsius = 261;
inline constexpr UnitIndex Fahrenheit = 262;
inline constexpr UnitIndex Kelvin = 263;
inline constexpr UnitIndex Rankine = 264;

inline constexpr Run Angles{5, 19};
inline constexpr Run CircleFractions{12, 19}; // "full circle" to "1/16 circle"
inline constexpr Run AreaUnits{20, 29};
inline constexpr Run DiameterCircles{MmDiameterCircle, YdDiameterCircle};
inline constexpr Run CircularMeasure{Radius, CircleArea};
// Fuel consumption has units in the first catalogue's run and among those
// added since ("litre/100 km", "gallon USA/100 miles").
struct FirstAndAdded {
    Run first;
    Run added;
    constexpr bool contains(UnitIndex unit) const { return first.contains(unit) || added.contains(unit); }
};
inline constexpr Run AddedVolumePerDistance{336, 337};
inline constexpr FirstAndAdded FuelConsumption{{147, 158}, AddedVolumePerDistance};
inline constexpr FirstAndAdded VolumePerDistance{{153, 158}, AddedVolumePerDistance};
inline constexpr Run Temperatures{Celsius, Rankine}; // base unit: Kelvin

} // namespace tavrix::unit
