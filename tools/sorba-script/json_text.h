#pragma once
// JSON string literals and values as the script protocol reads and prints them.

#include "model/property_value.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorba::script {

/// Reads one JSON string literal that makes up the whole text; nothing when it is malformed.
std::optional<std::string> parseJsonString(std::string_view literal);

/// A JSON string literal: only '"', '\' and control characters are escaped.
std::string jsonString(std::string_view text);

/// Numbers in their shortest exact form, booleans, texts and lists as JSON, null for nothing.
std::string jsonValue(const PropertyValue &value);

} // namespace sorba::script
