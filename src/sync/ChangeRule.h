#pragma once

#include <cstdint>
#include <functional>

#include "platform/DateTime.h"
#include "sync/Fingerprints.h"

namespace quorvex {

// Why a source file is copied, or None when it is left alone.
enum class Finding { None, DateChanged, NewFile, SizeChanged, AttributesChanged, Fingerprint };

// What the comparison looks at, from the options and the job.
struct ChangeChecks {
    // Dates further apart than the tolerance mean a change; unchecked, such a file is
    // left alone whatever else differs.
    bool date = true;
    bool exist = true;       // a missing target file means a new file
    bool attributes = true;  // differing attributes mean a change
    std::int32_t toleranceSeconds = 2;
    FingerprintMethod method = FingerprintMethod::None;
};

struct SourceFacts {
    DateValue modified = 0;
    std::int64_t size = 0;
    std::int32_t attributes = 0;
};

// A target that is not a file counts as missing; its other facts are then unused.
struct TargetFacts {
    bool exists = false;
    DateValue modified = 0;
    std::int64_t size = 0;
    std::int32_t attributes = 0;
};

// Answers whether the contents' fingerprints differ. Reading both files is costly, so the
// rule asks only when nothing cheaper has decided.
using ContentDiffers = std::function<bool()>;

// The comparison's verdict on one source file and its target.
Finding JudgeChange(const SourceFacts& source, const TargetFacts& target,
                    const ChangeChecks& checks, const ContentDiffers& contentDiffers);

}  // namespace quorvex
