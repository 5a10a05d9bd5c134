#pragma once

#include <string>
#include <vector>

#include "platform/FileFacts.h"

namespace quorvex {

// How a listing treats links and junctions: a source listing describes a link to a file
// by its target and leaves links to folders out; the target room lists every link as kind
// Link.
enum class LinkView { Followed, AsLinks };

// Every entry of a folder, "." and ".." included, sorted by the bytes of the UTF-8 names.
bool ListFolder(const std::string& folder, LinkView links, std::vector<DirEntry>& entries,
                std::vector<ListingProblem>* problems, std::string* err);

// Facts of the file a link leads to; false with the reason when it leads nowhere.
bool DescribeLinkTarget(const std::string& path, DirEntry& entry, std::string* reason);

}  // namespace quorvex
