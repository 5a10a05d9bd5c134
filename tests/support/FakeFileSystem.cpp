#include "support/FakeFileSystem.h"

#include <algorithm>

namespace quorvex::test {

namespace {

constexpr char kNoEntry[] = "No such file or directory";
constexpr char kDenied[] = "Permission denied";
constexpr char kNoSpace[] = "No space left on device";
constexpr char kIoError[] = "Input/output error";

bool Fail(std::string* err, const char* reason) {
    if (err != nullptr) {
        *err = reason;
    }
    return false;
}

DirEntry Describe(const std::string& name, std::int64_t size, std::int32_t attributes,
                  DateValue modified, bool folder) {
    return {name, folder ? EntryKind::Folder : EntryKind::File, static_cast<std::uint64_t>(size),
            folder ? attributes | kAttributeFolder : attributes, modified};
}

class FakeSourceFile : public SourceFile {
  public:
    FakeSourceFile(std::string content, DirEntry facts)
        : content_(std::move(content)), facts_(std::move(facts)) {}

    const DirEntry& Facts() const override { return facts_; }
    DateValue Accessed() const override { return facts_.modified; }
    std::int64_t Length() const override { return static_cast<std::int64_t>(content_.size()); }
    bool ChangedSinceOpened() const override { return false; }
    bool Rewind() override {
        position_ = 0;
        return true;
    }
    long Read(void* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, content_.size() - position_);
        std::copy_n(content_.data() + position_, count, static_cast<char*>(buffer));
        position_ += count;
        return static_cast<long>(count);
    }
    int ReadByteAt(std::int64_t position) override {
        if (position < 0 || position >= Length()) {
            return -1;
        }
        return static_cast<unsigned char>(content_[static_cast<std::size_t>(position)]);
    }

  private:
    std::string content_;
    DirEntry facts_;
    std::size_t position_ = 0;
};

}  // namespace

// Holds the new content until Commit puts it in the tree.
class FakeNewFile : public NewFile {
  public:
    explicit FakeNewFile(FakeFileSystem& files) : files_(files) {}

    bool Create(const std::string& target) override {
        target_ = target;
        if (!files_.MayChange(target, &reason_)) {
            failure_ = WriteFailure::NoPermission;
            return false;
        }
        return true;
    }
    bool OpenInPlace(const std::string&, std::int64_t) override { return false; }
    bool InPlace() const override { return false; }
    WriteFailure Failure() const override { return failure_; }
    const std::string& Reason() const override { return reason_; }
    bool Write(const void* data, std::size_t size) override {
        if (files_.noSpaceFrom_ > 0 && ++files_.writes_ >= files_.noSpaceFrom_) {
            failure_ = WriteFailure::NoRoom;
            return Fail(&reason_, kNoSpace);
        }
        content_.append(static_cast<const char*>(data), size);
        return true;
    }
    long CopyFrom(SourceFile&, std::size_t) override { return kKernelCopyUnsupported; }
    void TakeOwner(const SourceFile&) override {}
    bool SetAttributes(std::int32_t attributes) override {
        attributes_ = attributes;
        return true;
    }
    bool Stamp(std::int32_t attributes, DateValue modified, DateValue) override {
        modified_ = modified;
        return SetAttributes(attributes);
    }
    bool Finish() override { return true; }
    bool Commit() override {
        if (files_.failingCommits_.count(FakeFileSystem::Key(target_)) > 0) {
            return Fail(&reason_, kIoError);
        }
        files_.Put(target_, {false, content_, modified_, attributes_, 0});
        return true;
    }

  private:
    FakeFileSystem& files_;
    std::string target_;
    std::string content_;
    std::int32_t attributes_ = kAttributeNormal;
    DateValue modified_ = 0;
    WriteFailure failure_ = WriteFailure::None;
    std::string reason_;
};

// The fake has no links, so the room is the tree itself.
class FakeTargetRoom : public TargetRoom {
  public:
    explicit FakeTargetRoom(FakeFileSystem& files) : files_(files) {}

    LookupResult Lookup(const std::string& path, DirEntry& info) override {
        return files_.Lookup(path, info);
    }
    bool IsFolder(const std::string& path) override { return files_.IsFolder(path); }
    bool List(const std::string& folder, std::vector<DirEntry>& entries) override {
        return files_.List(folder, entries, nullptr, nullptr);
    }
    bool ListKinds(const std::string& folder, std::vector<NamedKind>& entries) override {
        std::vector<DirEntry> listed;
        entries.clear();
        if (!files_.List(folder, listed, nullptr, nullptr)) {
            return false;
        }
        for (const DirEntry& entry : listed) {
            if (entry.name != "." && entry.name != "..") {
                entries.push_back({entry.name, entry.kind});
            }
        }
        return true;
    }
    std::unique_ptr<SourceFile> OpenFile(const std::string& path) override {
        return files_.OpenFile(path, nullptr, nullptr);
    }
    bool SameEntry(const std::string& first, const std::string& second) override {
        return FakeFileSystem::Key(first) == FakeFileSystem::Key(second);
    }
    bool MakeFolder(const std::string& path, std::string* err) override {
        if (!files_.MayChange(path, err)) {
            return false;
        }
        files_.Put(path, {true, "", 0, 0, 0});
        return true;
    }
    bool StampFolder(const std::string& path, std::int32_t attributes,
                     DateValue modified) override {
        FakeFileSystem::Node* node = files_.Find(path);
        if (node != nullptr) {
            node->attributes = attributes;
            node->modified = modified;
        }
        return node != nullptr;
    }
    bool MakeWritable(const std::string& path, std::string* err) override {
        FakeFileSystem::Node* node = files_.Find(path);
        if (!files_.MayChange(path, err) || node == nullptr || node->folder) {
            return false;
        }
        node->attributes &= ~kAttributeReadOnly;
        return true;
    }
    bool Remove(const std::string& path, std::string* err) override {
        if (!files_.MayChange(path, err) || files_.IsFolder(path)) {
            return false;
        }
        files_.Erase(path);
        return true;
    }
    bool RemoveFolderTree(const std::string& path, std::string* err) override {
        if (!files_.MayChange(path, err)) {
            return false;
        }
        files_.Erase(path);
        return true;
    }
    bool Rename(const std::string& path, const std::string& newName, std::string* err) override {
        if (!files_.MayChange(path, err)) {
            return false;
        }
        const std::string from = FakeFileSystem::Key(path);
        const std::string to = FakeFileSystem::ParentOf(from) + "/" + newName;
        std::map<std::string, FakeFileSystem::Node> moved;
        for (auto& [key, node] : files_.nodes_) {
            if (key == from || key.compare(0, from.size() + 1, from + "/") == 0) {
                moved[to + key.substr(from.size())] = node;
            }
        }
        files_.Erase(path);
        files_.nodes_.insert(moved.begin(), moved.end());
        return true;
    }
    bool RemoveStaleTemporary(const std::string&) override { return false; }
    std::unique_ptr<NewFile> StartNewFile() override {
        return std::make_unique<FakeNewFile>(files_);
    }
    bool SystemCopy(const std::string& source, const std::string& target,
                    std::string* err) override {
        const std::unique_ptr<SourceFile> input = files_.OpenFile(source, nullptr, err);
        if (!input) {
            return false;
        }
        FakeNewFile output(files_);
        std::string content(static_cast<std::size_t>(input->Length()), '\0');
        input->Read(content.data(), content.size());
        if (output.Create(target) && output.Write(content.data(), content.size()) &&
            output.Stamp(input->Facts().attributes, input->Facts().modified, 0) &&
            output.Commit()) {
            return true;
        }
        return Fail(err, output.Reason().c_str());
    }

  private:
    FakeFileSystem& files_;
};

// A Windows path (C:\fake\a.txt) is kept as its POSIX twin (/fake/a.txt).
std::string FakeFileSystem::Key(const std::string& path) {
    std::string key = path.size() > 1 && path[1] == ':' ? path.substr(2) : path;
    std::replace(key.begin(), key.end(), '\\', '/');
    while (key.size() > 1 && key.back() == '/') {
        key.pop_back();
    }
    return key;
}

std::string FakeFileSystem::ParentOf(const std::string& key) {
    const std::size_t slash = key.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : key.substr(0, slash);
}

FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path) {
    const auto found = nodes_.find(Key(path));
    return found == nodes_.end() ? nullptr : &found->second;
}

bool FakeFileSystem::MayChange(const std::string& path, std::string* err) {
    if (Denied(path) || Denied(ParentOf(Key(path)))) {
        return Fail(err, kDenied);
    }
    return ParentOf(Key(path)) == "/" || IsFolder(ParentOf(Key(path))) || Fail(err, kNoEntry);
}

FakeFileSystem::Node& FakeFileSystem::Put(const std::string& path, Node node) {
    const std::string key = Key(path);
    if (ParentOf(key) != "/" && !IsFolder(ParentOf(key))) {
        Put(ParentOf(key), {true, "", 0, 0, 0});
    }
    Node* old = Find(key);
    node.inode = old != nullptr ? old->inode : nextInode_++;
    return nodes_[key] = node;
}

void FakeFileSystem::Erase(const std::string& path) {
    const std::string key = Key(path);
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        const bool below = it->first == key || it->first.compare(0, key.size() + 1, key + "/") == 0;
        it = below ? nodes_.erase(it) : std::next(it);
    }
}

std::vector<std::string> FakeFileSystem::ChildKeys(const std::string& folder) const {
    const std::string prefix = Key(folder) == "/" ? "/" : Key(folder) + "/";
    std::vector<std::string> keys;
    for (auto it = nodes_.lower_bound(prefix);
         it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->first.find('/', prefix.size()) == std::string::npos) {
            keys.push_back(it->first);
        }
    }
    return keys;
}

void FakeFileSystem::AddFolder(const std::string& path, DateValue modified) {
    Put(path, {true, "", modified, 0, 0});
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content,
                             DateValue modified, std::int32_t attributes) {
    Put(path, {false, content, modified, attributes, 0});
}

std::map<std::string, std::string> FakeFileSystem::Tree(const std::string& folder) const {
    std::map<std::string, std::string> tree;
    const std::string prefix = Key(folder) + "/";
    for (auto it = nodes_.lower_bound(prefix);
         it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        const std::string name = it->first.substr(prefix.size());
        if (it->second.folder) {
            tree[name + "/"] = "<folder>";
        } else {
            tree[name] = it->second.content;
        }
    }
    return tree;
}

bool FakeFileSystem::List(const std::string& folder, std::vector<DirEntry>& entries,
                          std::vector<ListingProblem>*, std::string* err) {
    entries.clear();
    if (Denied(folder)) {
        return Fail(err, kDenied);
    }
    if (!IsFolder(folder)) {
        return Fail(err, kNoEntry);
    }
    entries.push_back(Describe(".", 0, 0, 0, true));
    entries.push_back(Describe("..", 0, 0, 0, true));
    for (const std::string& key : ChildKeys(folder)) {
        const Node& node = nodes_.at(key);
        entries.push_back(Describe(key.substr(key.rfind('/') + 1),
                                   static_cast<std::int64_t>(node.content.size()), node.attributes,
                                   node.modified, node.folder));
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
}

bool FakeFileSystem::FolderExists(const std::string& path, std::string* err) {
    if (Denied(path)) {
        return Fail(err, kDenied);
    }
    return IsFolder(path) || Fail(err, kNoEntry);
}

LookupResult FakeFileSystem::Lookup(const std::string& path, DirEntry& info) {
    const Node* node = Find(path);
    if (node == nullptr) {
        return LookupResult::Missing;
    }
    info = Describe("", static_cast<std::int64_t>(node->content.size()), node->attributes,
                    node->modified, node->folder);
    return LookupResult::Found;
}

bool FakeFileSystem::FolderIsEmpty(const std::string& path) {
    return FolderExists(path, nullptr) && ChildKeys(path).empty();
}

std::unique_ptr<SourceFile> FakeFileSystem::OpenFile(const std::string& path, bool* missing,
                                                     std::string* err) {
    if (vanishing_.erase(Key(path)) > 0) {
        Erase(path);
    }
    const Node* node = Find(path);
    if (missing != nullptr) {
        *missing = node == nullptr || node->folder;
    }
    if (Denied(path)) {
        Fail(err, kDenied);
        return nullptr;
    }
    if (node == nullptr || node->folder) {
        Fail(err, kNoEntry);
        return nullptr;
    }
    return std::make_unique<FakeSourceFile>(
        node->content, Describe(Key(path).substr(Key(path).rfind('/') + 1),
                                static_cast<std::int64_t>(node->content.size()), node->attributes,
                                node->modified, false));
}

bool FakeFileSystem::IdentifyFolder(const std::string& path, FolderIdentity& identity) {
    Node* node = Find(path);
    if (node == nullptr || !node->folder) {
        return false;
    }
    identity = {1, node->inode};
    const auto replaced = replaced_.find(Key(path));
    if (replaced != replaced_.end() && --replaced->second == 0) {
        node->inode = nextInode_++;
    }
    return true;
}

IdentityChain FakeFileSystem::IdentityChainOf(const std::string& path) {
    const Node* node = Find(path);
    if (node == nullptr || !node->folder) {
        return IdentityChain();
    }
    return {true, {{1, node->inode}}};
}

std::unique_ptr<TargetRoom> FakeFileSystem::OpenTarget(const std::string& root, std::string* err) {
    if (!FolderExists(root, err)) {
        return nullptr;
    }
    return std::make_unique<FakeTargetRoom>(*this);
}

}  // namespace quorvex::test
