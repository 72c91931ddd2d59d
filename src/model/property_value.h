#pragma once
// The value of one property of a control, menu item or state field, as hosts and tests read it.

#include <string>
#include <variant>
#include <vector>

namespace sorba {

using PropertyValue =
    std::variant<std::monostate, bool, double, std::string, std::vector<std::string>>;

} // namespace sorba
