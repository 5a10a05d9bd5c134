#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/MountTable.h"

namespace quorvex {

// The text the drives window shows for a drive-type code.
std::string DriveTypeText(int driveType);

// The drives window's title while it lists drives: one dot per drive listed so far.
std::string DriveListingTitle(std::size_t listed);

// Why a row cannot be ticked; empty when it can.
std::string DriveUntickableReason(const std::string& mountPoint);

// The rows of the drives window and which of them are ticked. The protected drives are
// mount points joined by ","; mount points are case-sensitive and are matched as whole
// elements of that list, never as parts of one.
class DriveChoice {
  public:
    explicit DriveChoice(std::string incoming);

    // Adds a row, ticked when the incoming value names its mount point.
    void Add(const MountEntry& drive);

    std::size_t Count() const { return rows_.size(); }
    const MountEntry& Drive(std::size_t row) const { return rows_[row].drive; }
    bool Ticked(std::size_t row) const { return rows_[row].ticked; }
    bool Tickable(std::size_t row) const;
    // Rows that cannot be stored stay unticked.
    void SetTicked(std::size_t row, bool ticked);

    void TickAll();
    void TickNone();
    void TickLocal();
    void TickHardDisks();
    void TickNetwork();

    // "Übernehmen": the ticked mount points in row order. Drives not listed are dropped.
    std::string Accepted() const;
    // The close box: the incoming value as it came.
    const std::string& Closed() const { return incoming_; }

  private:
    struct Row {
        MountEntry drive;
        bool ticked = false;
    };
    template <typename Rule>
    void TickWhere(Rule rule);

    std::string incoming_;
    std::vector<std::string> named_;
    std::vector<Row> rows_;
};

}  // namespace quorvex
