#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/FileFacts.h"

namespace quorvex {

class InputFile;

// A job's target as a closed room. Every path it is given is the root's text as given to
// Open followed by a part below it; that part is resolved one folder at a time without
// following a symbolic link anywhere, and every change acts on what was opened. So a
// link planted in the target can never steer a write, a permission change or a deletion
// outside it: links are reported as links (kind Link), replaced or removed, never
// followed. Only the root may be a link the user chose; Open resolves it once. A path
// that is not beneath the root (another prefix, "." or ".." in it) is refused.
class TargetTree {
  public:
    TargetTree();
    ~TargetTree();
    TargetTree(const TargetTree&) = delete;
    TargetTree& operator=(const TargetTree&) = delete;

    // False when the root cannot be opened for listing.
    bool Open(const std::string& root);
    // Lets go of the root, so the target's drive can be unmounted between runs.
    void Close();

    // Facts of the entry itself. Missing also when a folder on the way is missing, is no
    // folder or is a link; Inaccessible for a refused path.
    LookupResult Lookup(const std::string& path, DirEntry& info);
    bool IsFolder(const std::string& path);
    // As ListDirectory, with links listed as kind Link.
    bool List(const std::string& folder, std::vector<DirEntry>& entries);
    // Names and kinds of a folder's entries ("." and ".." left out), unsorted, for walks
    // that need nothing else: the file system's own type is used where it gives one, so
    // most entries cost no metadata call. Links are kind Link.
    bool ListKinds(const std::string& folder, std::vector<NamedKind>& entries);
    // Opens a regular file for reading; a link is never opened.
    bool OpenFile(const std::string& path, InputFile& file);
    // True when both paths name the same entry (device and inode).
    bool SameEntry(const std::string& first, const std::string& second);

    // Creates one folder; a link in its place (to anything, or dangling) is removed first.
    bool MakeFolder(const std::string& path);
    // Gives a folder its attributes and its date as both modification and access time.
    bool StampFolder(const std::string& path, std::int32_t attributes, DateValue modified);
    // Adds the owner's write bit to a regular file; false for anything else.
    bool MakeWritable(const std::string& path);
    // Removes a file or a link; never a folder.
    bool Remove(const std::string& path);
    // Removes a folder with everything in it; links inside are unlinked. True when the
    // folder itself is gone at the end.
    bool RemoveFolderTree(const std::string& path);
    // Gives an entry a new name in its folder, in two steps through a free name, so a
    // change of case alone also takes effect where the file system sees both names as one.
    bool Rename(const std::string& path, const std::string& newName);
    // Removes a temporary file of ReplacementFile that no writer holds any more (a run
    // that was killed); one still being written stays. True when removed.
    bool RemoveStaleTemporary(const std::string& path);

  private:
    friend class ReplacementFile;
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quorvex
