#include <cerrno>
#include <cstring>

#include "platform/DirectoryListing.h"
#include "platform/DiskSpace.h"
#include "platform/FileIO_posix.h"
#include "platform/FolderIdentity.h"
#include "platform/RealFileSystem.h"
#include "platform/TargetTree.h"

namespace quorvex {

namespace {

// errno is cleared before each call, so a failure the system gave no reason for says so
// instead of showing an older one.
bool Failed(std::string* err) {
    if (err != nullptr) {
        *err = errno != 0 ? std::strerror(errno) : "unknown reason";
    }
    return false;
}

template <typename Call>
bool Reasoned(std::string* err, Call call) {
    errno = 0;
    return call() || Failed(err);
}

class RealSourceFile : public SourceFile {
  public:
    const DirEntry& Facts() const override { return file.Facts(); }
    DateValue Accessed() const override { return file.Accessed(); }
    std::int64_t Length() const override { return file.Length(); }
    bool ChangedSinceOpened() const override { return file.ChangedSinceOpened(); }
    bool Rewind() override { return file.Rewind(); }
    long Read(void* buffer, std::size_t size) override { return file.Read(buffer, size); }
    int ReadByteAt(std::int64_t position) override { return file.ReadByteAt(position); }

    InputFile file;
};

class RealNewFile : public NewFile {
  public:
    explicit RealNewFile(TargetTree& tree) : tree_(tree) {}

    bool Create(const std::string& target) override {
        return Reasoned(&reason_, [&] { return file_.Create(tree_, target); });
    }
    // A fallback's failure keeps the reason of the failure it stood in for.
    bool OpenInPlace(const std::string& target, std::int64_t length) override {
        return file_.OpenInPlace(tree_, target, length);
    }
    bool InPlace() const override { return file_.InPlace(); }
    WriteFailure Failure() const override { return file_.Failure(); }
    const std::string& Reason() const override { return reason_; }
    bool Write(const void* data, std::size_t size) override {
        return Reasoned(&reason_, [&] { return file_.Write(data, size); });
    }
    long CopyFrom(SourceFile& input, std::size_t size) override {
        auto* source = dynamic_cast<RealSourceFile*>(&input);
        if (source == nullptr) {
            return kKernelCopyUnsupported;
        }
        errno = 0;
        const long moved = file_.CopyFrom(source->file, size);
        if (moved == -1) {
            Failed(&reason_);
        }
        return moved;
    }
    void TakeOwner(const SourceFile& source) override {
        if (const auto* real = dynamic_cast<const RealSourceFile*>(&source)) {
            file_.TakeOwner(real->file);
        }
    }
    bool SetAttributes(std::int32_t attributes) override { return file_.SetAttributes(attributes); }
    bool Stamp(std::int32_t attributes, DateValue modified, DateValue accessed) override {
        return file_.Stamp(attributes, modified, accessed);
    }
    bool Finish() override {
        return Reasoned(&reason_, [&] { return file_.Finish(); });
    }
    bool Commit() override {
        return Reasoned(&reason_, [&] { return file_.Commit(); });
    }

  private:
    TargetTree& tree_;
    ReplacementFile file_;
    std::string reason_;
};

class RealTargetRoom : public TargetRoom {
  public:
    LookupResult Lookup(const std::string& path, DirEntry& info) override {
        return tree.Lookup(path, info);
    }
    bool IsFolder(const std::string& path) override { return tree.IsFolder(path); }
    bool List(const std::string& folder, std::vector<DirEntry>& entries) override {
        return tree.List(folder, entries);
    }
    bool ListKinds(const std::string& folder, std::vector<NamedKind>& entries) override {
        return tree.ListKinds(folder, entries);
    }
    std::unique_ptr<SourceFile> OpenFile(const std::string& path) override {
        auto file = std::make_unique<RealSourceFile>();
        if (!tree.OpenFile(path, file->file)) {
            return nullptr;
        }
        return file;
    }
    bool SameEntry(const std::string& first, const std::string& second) override {
        return tree.SameEntry(first, second);
    }
    bool MakeFolder(const std::string& path, std::string* err) override {
        return Reasoned(err, [&] { return tree.MakeFolder(path); });
    }
    bool StampFolder(const std::string& path, std::int32_t attributes,
                     DateValue modified) override {
        return tree.StampFolder(path, attributes, modified);
    }
    bool MakeWritable(const std::string& path, std::string* err) override {
        return Reasoned(err, [&] { return tree.MakeWritable(path); });
    }
    bool Remove(const std::string& path, std::string* err) override {
        return Reasoned(err, [&] { return tree.Remove(path); });
    }
    bool RemoveFolderTree(const std::string& path, std::string* err) override {
        return Reasoned(err, [&] { return tree.RemoveFolderTree(path); });
    }
    bool Rename(const std::string& path, const std::string& newName, std::string* err) override {
        return Reasoned(err, [&] { return tree.Rename(path, newName); });
    }
    bool RemoveStaleTemporary(const std::string& path) override {
        return tree.RemoveStaleTemporary(path);
    }
    std::unique_ptr<NewFile> StartNewFile() override { return std::make_unique<RealNewFile>(tree); }
    bool SystemCopy(const std::string& source, const std::string& target,
                    std::string* err) override {
        return Reasoned(err, [&] { return SystemCopyFile(tree, source, target); });
    }

    TargetTree tree;
};

}  // namespace

bool RealFileSystem::FolderExists(const std::string& path, std::string* err) {
    return Reasoned(err, [&] { return ::quorvex::FolderExists(path); });
}

std::unique_ptr<SourceFile> RealFileSystem::OpenFile(const std::string& path, bool* missing,
                                                     std::string* err) {
    auto file = std::make_unique<RealSourceFile>();
    if (Reasoned(err, [&] { return file->file.Open(path); })) {
        return file;
    }
    if (missing != nullptr) {
        *missing = file->file.Missing();
    }
    return nullptr;
}

std::unique_ptr<TargetRoom> RealFileSystem::OpenTarget(const std::string& root, std::string* err) {
    auto room = std::make_unique<RealTargetRoom>();
    if (!Reasoned(err, [&] { return room->tree.Open(root); })) {
        return nullptr;
    }
    return room;
}

}  // namespace quorvex
