// Conversion between two units: to the base unit by the source formula, from
// there to the target unit, with the categories that are not linear treated
// case by case.
#include "AngleReduction.h"
#include "Constants.h"
#include "Tavrix_Units.h"
#include "UnitIdentities.h"

#include <cmath>
#include <limits>

namespace tavrix {

namespace {

using namespace unit;

// The processor's sine and cosine refuse arguments beyond ±2^63 and give 0.
constexpr long double TrigRangeLimit = 9223372036854775808.0L;

long double Linear(double base, UnitIndex to) {
    return static_cast<long double>(base) / static_cast<long double>(UnitToBase(to, 1));
}

long double Trigonometric(UnitIndex to, double degrees) {
    double r = static_cast<double>(degrees * Pi / 180);
    if (std::isinf(r)) {
        return std::numeric_limits<long double>::quiet_NaN();
    }
    if (r <= StepwiseReductionLimit) {
        r = ReduceAngle(r);
    }
    const long double angle = r;
    if (to == TangentOfAngle) {
        return std::tan(angle);
    }
    if (std::fabs(angle) >= TrigRangeLimit) {
        return 0;
    }
    return to == SineOfAngle ? std::sin(angle) : std::cos(angle);
}

long double CircularMeasureTo(UnitIndex to, double base) {
    const long double d = std::sqrt(static_cast<long double>(base) * 4 / Pi);
    switch (to) {
    case Radius:
        return d / 2;
    case Diameter:
        return d;
    case Circumference:
        return d * Pi;
    case CircleArea:
        return base;
    default:
        return ConversionFailureValue;
    }
}

long double TemperatureTo(UnitIndex to, double kelvin) {
    const long double base = kelvin;
    switch (to) {
    case Celsius:
        return base - 273.15L;
    case Fahrenheit:
        return (base - 273.15L) * 1.8L + 32;
    case Kelvin:
        return base;
    case Rankine:
        return base * 1.8L;
    default:
        return ConversionFailureValue;
    }
}

long double ConvertFromBase(UnitIndex from, UnitIndex to, double base) {
    if (to >= UnitCount) {
        return ConversionFailureValue; // an unknown target has no base value to divide by
    }
    if (Angles.contains(from)) {
        if (to == SineOfAngle || to == CosineOfAngle || to == TangentOfAngle) {
            return Trigonometric(to, base);
        }
        return Linear(base, to);
    }
    if (DiameterCircles.contains(from)) {
        if (AreaUnits.contains(to)) {
            return Linear(base, to);
        }
        if (DiameterCircles.contains(to)) {
            return DiameterInUnit(to, base);
        }
        return ConversionFailureValue;
    }
    if (CircularMeasure.contains(from)) {
        return CircularMeasureTo(to, base);
    }
    if (FuelConsumption.contains(from)) {
        return VolumePerDistance.contains(to) ? UnitToBase(to, base) : Linear(base, to);
    }
    if (Temperatures.contains(from)) {
        return TemperatureTo(to, base);
    }
    if (from >= UnitCount) {
        return ConversionFailureValue;
    }
    if (AreaUnits.contains(from) && DiameterCircles.contains(to)) {
        return DiameterInUnit(to, base);
    }
    return Linear(base, to);
}

} // namespace

double DiameterInUnit(UnitIndex to, double area) {
    const long double d = std::sqrt(static_cast<long double>(area) * 4 / Pi);
    switch (to) {
    case unit::MmDiameterCircle:
        return static_cast<double>(d * 1000);
    case unit::CmDiameterCircle:
        return static_cast<double>(d * 100);
    case unit::MDiameterCircle:
        return static_cast<double>(d);
    case unit::InchDiameterCircle:
        return static_cast<double>(d / 0.0254L);
    case unit::FtDiameterCircle:
        return static_cast<double>(d / 0.3048L);
    case unit::YdDiameterCircle:
        return static_cast<double>(d / 3 / 0.3048L);
    default:
        return 0;
    }
}

double ConvertUnits(UnitIndex from, UnitIndex to, double x) {
    const double base = UnitToBase(from, x);
    const double result = static_cast<double>(ConvertFromBase(from, to, base));
    if (base < FailureThreshold || result < FailureThreshold) {
        throw EConversionsClass();
    }
    return result;
}

} // namespace tavrix
