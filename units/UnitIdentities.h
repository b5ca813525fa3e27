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

// The categories whose runs the rules single out, by their place in CategoryNames.
inline constexpr int AnglesCategory = 1;
inline constexpr int CircularMeasureCategory = 3;
inline constexpr int FuelConsumptionCategory = 10;
inline constexpr int TemperatureCategory = 18;

constexpr Run FirstRunOf(int category) {
    const CategoryRange& range = CategoryUnitRange.at(static_cast<std::size_t>(category));
    return {range.firstUnit, static_cast<UnitIndex>(range.firstUnit + range.unitCount - 1)};
}
constexpr Run AddedRunOf(int category) {
    const CategoryRange& range = CategoryUnitRange.at(static_cast<std::size_t>(category));
    return {range.firstAddedUnit, static_cast<UnitIndex>(range.firstAddedUnit + range.addedUnitCount - 1)};
}

inline constexpr Run Angles = FirstRunOf(AnglesCategory);
inline constexpr Run CircleFractions{12, 19}; // "full circle" to "1/16 circle"
inline constexpr Run AreaUnits{20, 29};       // the area's units before its diameter circles
inline constexpr Run DiameterCircles{MmDiameterCircle, YdDiameterCircle};
inline constexpr Run CircularMeasure = FirstRunOf(CircularMeasureCategory);
static_assert(CircularMeasure.first == Radius && CircularMeasure.last == CircleArea);
// Fuel consumption has units in the first catalogue's run and among those
// added since ("litre/100 km", "gallon USA/100 miles").
struct FirstAndAdded {
    Run first;
    Run added;
    constexpr bool contains(UnitIndex unit) const { return first.contains(unit) || added.contains(unit); }
};
inline constexpr Run AddedVolumePerDistance = AddedRunOf(FuelConsumptionCategory);
inline constexpr FirstAndAdded FuelConsumption{FirstRunOf(FuelConsumptionCategory), AddedVolumePerDistance};
inline constexpr FirstAndAdded VolumePerDistance{{153, FuelConsumption.first.last}, AddedVolumePerDistance};
inline constexpr Run Temperatures = FirstRunOf(TemperatureCategory); // base unit: Kelvin
static_assert(Temperatures.first == Celsius && Temperatures.last == Rankine);

} // namespace tavrix::unit
