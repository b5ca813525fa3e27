#include "Tavrix_Units.h"

#include <utility>

namespace tavrix {

namespace {

NumberFormatHook& Hook() {
    static NumberFormatHook hook;
    return hook;
}

} // namespace

void SetNumberFormatHook(NumberFormatHook hook) {
    Hook() = std::move(hook);
}

NumberFormat CurrentNumberFormat() {
    const NumberFormatHook& hook = Hook();
    return hook ? hook() : NumberFormat{};
}

} // namespace tavrix
