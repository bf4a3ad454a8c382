#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zifrano::testing {

// Reads a whole-amount wording back into its number, independently of the code that writes it.
// It accepts only the one correct spelling of each number (no "ventiuno", "unomila",
// "unocento", scales out of order), so a round trip proves every word right.
std::optional<std::int64_t> readWording(std::string_view wording);

} // namespace zifrano::testing
