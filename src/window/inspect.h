#pragma once
// Reading the calculator from outside: a state field by its name, or a property of a form,
// control or menu item by its path ("Readout.caption", "AAA(1).checked").

#include "model/property_value.h"

#include <optional>
#include <string_view>

namespace sorba {

class Calculator;

/// The value at that path, or nothing when no such field, object or property exists.
std::optional<PropertyValue> inspect(const Calculator &calc, std::string_view path);

} // namespace sorba
