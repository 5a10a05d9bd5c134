#include "program/FileEntry.h"

#include "platform/Paths.h"

namespace quorvex {

bool IsFolderEntry(const FileEntry& entry) {
    return EndsWithSeparator(entry.path);
}

}  // namespace quorvex
