#pragma once

#include <map>
#include <string>
#include <vector>

#include "reliability/BinaryRuns.h"

namespace quorvex::test {

// One entry as a run must leave it when the entry lies outside its target.
struct EntryState {
    std::string content;  // a file's length and checksum, a link's target, or the kind
    unsigned mode = 0;    // st_mode, type bits included
    unsigned owner = 0;
    unsigned group = 0;
    bool operator==(const EntryState& other) const {
        return content == other.content && mode == other.mode && owner == other.owner &&
               group == other.group;
    }
};

// Every entry below a folder, the folder itself as ".", read without following links.
using TreeState = std::map<std::string, EntryState>;
TreeState ReadState(const std::string& folder);

// One line per entry added, removed or changed between two states, its path after where;
// empty when both are equal.
std::string StateChanges(const TreeState& before, const TreeState& after,
                         const std::string& where = "");

// The lines of a log that begin with the given text.
Lines LinesStartingWith(const Lines& log, const std::string& start);

// A source, a target and a folder "outside" beside them. A run first synchronises a
// copy of the whole scene (the folder "twin") with rsync, then runs the program over the
// scene itself. It remembers the source and the outside folder as they were, for the
// rule that a run changes nothing but its target.
class HostileScene : public BinaryRuns {
  public:
    HostileScene() { MakeFolder(outside); }

    // options: the program's switches ("-del" makes both a mirror); asNobody: both tools
    // run as uid 65534; environment: "NAME=value" for the program.
    ProcessResult RunBeside(const std::vector<std::string>& options, bool asNobody = false,
                            const std::vector<std::string>& environment = {});
    // Takes the states that OutsideChanges compares with; RunBeside does it itself.
    void Freeze();
    std::string OutsideChanges() const;
    TreeContents RsyncTarget() const { return ReadTree(twin + "dst/"); }

    static void Link(const std::string& to, const std::string& path);

    using BinaryRuns::HandTo;
    using BinaryRuns::Remember;
    using BinaryRuns::targetBefore;

    const std::string outside = root / "outside/";
    const std::string twin = root / "twin/";

  private:
    void RunRsync(bool mirror, bool asNobody);

    TreeState sourceState_;
    TreeState outsideState_;
};

}  // namespace quorvex::test
