#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The part of a name after its last "."; a name without "." is its own extension, a name
// ending in "." has an empty one.
std::string_view ExtensionOf(std::string_view name);

// The filter and the extension both upper-cased. An empty filter takes everything; a
// list takes the files whose extension occurs in it as a plain substring; "!" followed
// by a list takes the files whose extension does not occur in the rest. An empty
// extension occurs in nothing.
bool PassesFilter(std::string_view upperFilter, std::string_view upperExtension);

}  // namespace quorvex
