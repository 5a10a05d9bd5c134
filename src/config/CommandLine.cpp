#include "config/CommandLine.h"

#include "config/OptionTable.h"
#include "platform/TextCase.h"

namespace quorvex {

namespace {

// Walks the arguments; a switch with a value takes the next one unchanged.
class ArgumentReader {
  public:
    explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    // The next argument, or the empty text past the last one.
    std::string Take() { return position_ < arguments_.size() ? arguments_[position_++] : ""; }

  private:
    const std::vector<std::string>& arguments_;
    std::size_t position_ = 0;
};

// A flag takes no value; a text or folder switch takes the next argument. Integer switches
// all have an action of their own.
void ApplyByKind(const OptionRow& row, SwitchContext& context) {
    Settings& settings = context.settings;
    if (row.kind == OptionKind::Flag) {
        settings.*row.flag = row.switchValue;
    } else {
        settings.*row.text = KeptText(row.kind, context.takeValue());
    }
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments, Settings& settings,
                             LogSink& log, UserDialogs& dialogs) {
    ArgumentReader reader(arguments);
    SwitchContext context{settings, log, dialogs, [&reader] { return reader.Take(); }};
    for (std::string argument = reader.Take(); !argument.empty(); argument = reader.Take()) {
        log.Debug("Programmparameter: " + argument);
        settings.CommandLineGiven = 1;
        const OptionRow* row = FindSwitch(LowerCaseLatin1(argument));
        if (row == nullptr) {
            log.Debug("Unbkannter Befehl: " + argument);
            dialogs.ShowMessage("Unbekannter Befehl:\r" + argument, "Quorvex", MessageIcon::Error);
            return ParseResult::UnknownArgument;
        }
        if (row->apply != nullptr) {
            row->apply(context);
        } else {
            ApplyByKind(*row, context);
        }
    }
    return ParseResult::Ok;
}

}  // namespace quorvex
