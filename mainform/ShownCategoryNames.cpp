#include "ShownCategoryNames.h"

#include "Tavrix_Units.h"

#include <QCoreApplication>

namespace tavrix {

QString ShownCategoryName(int category) {
    // The catalogue's names are literals, so each view ends in a zero.
    return QCoreApplication::translate("tavrix::Category",
                                       CategoryNames.at(static_cast<std::size_t>(category)).data());
}

} // namespace tavrix
