#include <string>
#include <vector>

#include "app/Startup.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return quorvex::RunQuorvex(arguments);
}
