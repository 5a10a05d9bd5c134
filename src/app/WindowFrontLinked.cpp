#include "app/WindowFront.h"

namespace quorvex {

// The window half is part of the program file: nothing to look for.
std::unique_ptr<WindowFront> LoadWindowFront(Program&, UserDialogs& terminal, std::string&) {
    return std::unique_ptr<WindowFront>(QuorvexOpenWindowFront(&terminal));
}

}  // namespace quorvex
