#include "ConversionRules.h"

#include "CompoundValues.h"
#include "Constants.h"
#include "UnitIdentities.h"

#include <cmath>

namespace tavrix {

namespace {

// The angle brought into (0°, 360°] as repeated subtraction of 360° would,
// but in one exact step, so a huge angle cannot hang the program.
double AngleWithinOneTurn(double degrees) {
    if (!(degrees > 360)) {
        return degrees;
    }
    const double rest = std::fmod(degrees, 360.0);
    return rest == 0 ? 360 : rest;
}

ConversionOutcome Refused(Refusal refusal) {
    return {refusal, {}};
}

} // namespace

ConversionOutcome ConvertForDisplay(const ConversionRequest& request) {
    if (!request.value) {
        return Refused(Refusal::InvalidValue);
    }
    const double x = *request.value;
    const UnitIndex from = request.from;
    const double base = UnitToBase(from, x);
    bool valid = x >= 0;
    if (unit::Temperatures.contains(from)) {
        // The base unit is the kelvin: nothing is colder than absolute zero.
        // A base value the converter would reject is rejected as it would be.
        if (base < FailureThreshold) {
            return Refused(Refusal::NoConversion);
        }
        valid = base >= 0;
    }
    if (valid && (from == unit::SineOfAngle || from == unit::CosineOfAngle) && std::fabs(x) > 1) {
        return Refused(Refusal::SineCosineRange);
    }
    if (valid && request.to == unit::TangentOfAngle) {
        const double angle = AngleWithinOneTurn(base);
        if (angle == 90 || angle == 270) {
            return Refused(Refusal::TangentUndefined);
        }
    }
    if (!valid || !std::isfinite(base)) {
        return Refused(Refusal::InvalidValue);
    }
    double result = 0;
    try {
        result = ConvertUnits(from, request.to, x);
    } catch (const EConversionsClass&) {
        return Refused(Refusal::NoConversion);
    }
    // A result that is no finite number (0 "litre/km" is an infinite distance
    // per litre) has nothing to show.
    if (!std::isfinite(result)) {
        return Refused(Refusal::InvalidValue);
    }
    // The first catalogue shows magnitudes below the round-off threshold as
    // 0. The units added since convert by one factor, with no round-off noise
    // to hide, and some are that small themselves (1 eV is 1.602e-19 J).
    if (request.from >= FirstCatalogueUnitCount || request.to >= FirstCatalogueUnitCount) {
        const double shown = result == 0 ? 0.0 : result; // never a "-0"
        // A compound result is read in its parts, never in exponent form.
        if (const CompoundUnit* compound = CompoundOf(request.to)) {
            return {Refusal::None, FormatCompoundValue(shown, *compound, request.decimals,
                                                       request.mode == FormatThousands, request.format)};
        }
        return {Refusal::None, FormatNumber(shown, request.decimals, request.mode, request.format)};
    }
    return {Refusal::None, FormatResult(result, request.decimals, request.mode, request.format)};
}

} // namespace tavrix
