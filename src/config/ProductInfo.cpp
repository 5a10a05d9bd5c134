#include "config/ProductInfo.h"

#include "platform/TextFormat.h"

namespace quorvex {

std::string MakerLine(DateValue now) {
    return std::string("(c) ") + kMakerName + FormatDate(" %yyyy", now);
}

}  // namespace quorvex
