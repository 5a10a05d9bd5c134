#include "app/StartupGuards.h"

#include "app/PasswordRecord.h"
#include "config/ProductInfo.h"

namespace quorvex {

namespace {

constexpr int kFurtherInstances = 4;

// Only a name held by another process counts as taken; when the marker cannot be made
// at all, the program is not kept from starting.
bool Holds(InstanceLock& lock, const std::string& name) {
    return lock.Acquire(name) != LockResult::Taken;
}

}  // namespace

bool PassInstanceLimit(InstanceLock& lock, RunLog& log, UserDialogs& dialogs) {
    if (Holds(lock, kProgramName)) {
        return true;
    }
    log.Debug("Instanz von Programm läuft bereits!");
    if (!dialogs.AskYesNo("Eine Instanz von Quorvex läuft bereits auf diesem System!\r\n\r\n"
                          "Soll eine weitere Instanz gestartet werden?",
                          kProgramName)) {
        return false;
    }
    for (int number = 1; number <= kFurtherInstances; ++number) {
        if (Holds(lock, kProgramName + std::to_string(number))) {
            return true;
        }
    }
    log.Debug("Mehr wie 5 Instanzen von Programm laufen bereits!");
    dialogs.ShowMessage("Es laufen bereits 5 Instanzen von Quorvex!\r\n\r\nProgramm wird beendet!",
                        kProgramName, MessageIcon::None);
    return false;
}

bool PassPasswordCheck(const std::optional<std::string>& password, RunLog& log,
                       UserDialogs& dialogs) {
    if (!password) {
        return true;
    }
    log.Debug("Passwort benötigt");
    const std::string entered =
        dialogs.AskText("Quorvex - Passwortabfrage", "Bitte geben Sie das Passwort ein", "");
    // A cancelled prompt gives the empty text, which never opens the program.
    if (!entered.empty() && entered == *password) {
        return true;
    }
    dialogs.ShowMessage("Passwort nicht korrekt", kProgramName, MessageIcon::None);
    return false;
}

bool PassStartupGuards(Program& program, InstanceLock& lock) {
    return PassInstanceLimit(lock, program.log, *program.dialogs) &&
           PassPasswordCheck(ReadPasswordRecord(), program.log, *program.dialogs);
}

}  // namespace quorvex
