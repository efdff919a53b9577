#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintara {

// Profile (INI) text read and edited the way the platform's profile service does it:
// "[section]" lines open sections, "key=value" lines hold values, section and key
// names match without regard to letter case, blanks around names and values do not
// count, and one pair of matching quotation marks around a value is dropped.

// The value of the first matching key in the first matching section, or nullopt when
// the section or the key is missing.
std::optional<std::u16string> FindProfileValue(std::u16string_view text,
                                               std::u16string_view section,
                                               std::u16string_view key);

// The text with the value set: an existing key keeps its place and name, a new key
// goes after the last line of its section, and a missing section is added at the end.
// Every other line stays as it was; lines end in CR LF.
std::u16string WithProfileValue(std::u16string_view text, std::u16string_view section,
                                std::u16string_view key, std::u16string_view value);

}  // namespace tintara
