#include "app/EarlyWindowBoxes.h"

#include <algorithm>
#include <memory>

#include "app/SystemErrorReport.h"
#include "app/WindowFront.h"
#include "platform/TextCase.h"

namespace quorvex {

namespace {

// The window half with its toolkit running; null without a display or window module.
std::unique_ptr<WindowFront> StartedWindowFront(Program& program, UserDialogs& terminal) {
    std::string problem;
    std::unique_ptr<WindowFront> front = LoadWindowFront(program, terminal, problem);
    if (front && !front->StartToolkit()) {
        front.reset();
    }
    return front;
}

}  // namespace

bool WindowExpected(const std::vector<std::string>& arguments, const Settings& settings) {
    const bool unattended = std::any_of(
        arguments.begin(), arguments.end(),
        [](const std::string& argument) { return LowerCaseLatin1(argument) == "-nowin"; });
    return settings.WindowHidden == 0 && !unattended;
}

void ShowEarlyMessagesAsWindows(Program& program, UserDialogs& terminal,
                                const DialogsRelay& relay) {
    if (const std::unique_ptr<WindowFront> front = StartedWindowFront(program, terminal)) {
        relay.RepeatEarlyMessagesIn(front->Dialogs());
    }
}

int ShowSystemErrorWindow(Program& program, UserDialogs& terminal, const std::string& report) {
    if (const std::unique_ptr<WindowFront> front = StartedWindowFront(program, terminal)) {
        front->Dialogs().ShowMessage(report, kSystemErrorTitle, MessageIcon::Error);
    }
    return kExitRunProblems;
}

}  // namespace quorvex
