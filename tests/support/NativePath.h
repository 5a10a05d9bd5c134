#pragma once

#include <algorithm>
#include <string>

#include "platform/Paths.h"

namespace quorvex::test {

// A path the test writes with "/", with this platform's separator in its place.
inline std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '/', kPathSeparator);
    return path;
}

}  // namespace quorvex::test
