#include "calc/writes.h"

#include <algorithm>

namespace torvex {

std::optional<std::string> Outcome::text(std::string_view target) const {
    const auto it = std::find_if(writes.rbegin(), writes.rend(), [&](const Write& w) {
        return w.property == Property::Text && w.target == target;
    });
    if (it == writes.rend()) return std::nullopt;
    return it->text;
}

std::optional<int> Outcome::value(std::string_view target, Property p) const {
    const auto it = std::find_if(writes.rbegin(), writes.rend(),
                                 [&](const Write& w) { return w.property == p && w.target == target; });
    if (it == writes.rend()) return std::nullopt;
    return it->value;
}

} // namespace torvex
