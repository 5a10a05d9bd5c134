#include "app/Startup.h"
#include "platform/ProgramArguments.h"

int main(int argc, char** argv) {
    return quorvex::RunQuorvex(quorvex::ProgramArguments(argc, argv));
}
