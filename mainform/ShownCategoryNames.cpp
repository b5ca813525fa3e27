#include "ShownCategoryNames.h"

#include "Tavrix_Units.h"

#include <QCoreApplication>

namespace tavrix {

namespace {

// Only for the translation tools, which find texts in the sources: each
// catalogue name is looked up as it stands in the catalogue.
// clang-format off
[[maybe_unused]] constexpr const char* TranslatedNames[] = {
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
// clang-format on
static_assert(std::size(TranslatedNames) == CategoryCount);

} // namespace

QString ShownCategoryName(int category) {
    // The catalogue's names are literals, so each view ends in a zero.
    return QCoreApplication::translate("tavrix::Category",
                                       CategoryNames.at(static_cast<std::size_t>(category)).data());
}

} // namespace tavrix
