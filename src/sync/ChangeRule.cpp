#include "sync/ChangeRule.h"

#include <cstdlib>

namespace quorvex {

Finding JudgeChange(const SourceFacts& source, const TargetFacts& target,
                    const ChangeChecks& checks, const ContentDiffers& contentDiffers) {
    const DateValue difference = source.modified - target.modified;
    const bool beyondTolerance = std::llabs(difference) > checks.toleranceSeconds;
    if (checks.date && target.exists && beyondTolerance) {
        return Finding::DateChanged;
    }
    if (!target.exists) {
        return checks.exist ? Finding::NewFile : Finding::None;
    }
    // Times within the tolerance say nothing: a file saved twice in a second has changed
    // all the same, so the closer tests decide.
    if (difference != 0 && beyondTolerance) {
        return Finding::None;
    }
    if (source.size != target.size) {
        return Finding::SizeChanged;
    }
    if (checks.attributes && source.attributes != target.attributes) {
        return Finding::AttributesChanged;
    }
    if (checks.method != FingerprintMethod::None && contentDiffers()) {
        return Finding::Fingerprint;
    }
    return Finding::None;
}

}  // namespace quorvex
