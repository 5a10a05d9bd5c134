#include "ui/BatchScript.h"

#include <algorithm>
#include <optional>

#include "config/CommandLineExport.h"
#include "config/JobList.h"
#include "config/ProductInfo.h"
#include "platform/Windows1252.h"

namespace quorvex {

namespace {

// The switches that act after the last run only.
bool IsTail(const ExportedSwitch& entry) {
    return entry.name == "-lock" || entry.name == "-down" || entry.name == "-logdir";
}

BatchCommand OnlyTail(BatchCommand command, bool tail) {
    command.erase(
        std::remove_if(command.begin(), command.end(),
                       [tail](const ExportedSwitch& entry) { return IsTail(entry) != tail; }),
        command.end());
    return command;
}

// The settings a start of the program with this job's line would have.
Settings JobSettings(const Settings& settings, const SyncJob& job, const BatchAnswers& answers) {
    Settings line = settings;
    ForEachCommandLineJobField(line, job,
                               [](auto& setting, const auto& field) { setting = field; });
    line.AutoStart = answers.autoStart ? 1 : 0;
    line.WindowHidden = answers.showWindow ? 0 : 1;
    line.ShowStatistics = answers.showStatistics ? 1 : 0;
    line.ExitAfterRun = settings.AutoExit;
    return line;
}

std::string HeaderText() {
    return std::string("Batch-File, generiert von ") + kProductTitle + ", " + kMakerName + " - " +
           kWebAddress;
}

// Single quotes keep every byte; a quote inside ends the quoting, is escaped and reopens it.
std::string ShellQuoted(const std::string& value) {
    std::string quoted = "'";
    for (char c : value) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ShellScript(const std::string& program, const std::vector<BatchCommand>& commands) {
    std::string text = "#!/bin/sh\n# " + HeaderText() + "\n";
    for (const BatchCommand& command : commands) {
        std::string line = ShellQuoted(program) + " ";
        for (const ExportedSwitch& entry : command) {
            line += entry.name + " ";
            if (entry.value) {
                line += ShellQuoted(*entry.value) + " ";
            }
        }
        text += "\n" + line;
    }
    text.pop_back();
    return text + "\n";
}

// The value as a batch line carries it: in Windows-1252 with "%" doubled, as batch files
// expand "%...%". Nothing for a character the line cannot hold: control characters such
// as line breaks, a double quote that would end the quoting, or one outside Windows-1252.
std::optional<std::string> BatchValue(const std::string& value) {
    std::string bytes;
    for (std::size_t position = 0; position < value.size();) {
        const std::optional<char32_t> character = NextUtf8Character(value, position);
        const std::optional<char> byte = character && *character >= 0x20 && *character != '"'
                                             ? Windows1252Byte(*character)
                                             : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += *byte == '%' ? std::string("%%") : std::string(1, *byte);
    }
    return bytes;
}

BatchScript WindowsBatch(const std::string& program, const std::vector<BatchCommand>& commands) {
    BatchScript script{"@REM " + HeaderText() + "\r\n", ""};
    const auto carried = [&script](const std::string& value) {
        const std::optional<std::string> bytes = BatchValue(value);
        if (!bytes && script.refused.empty()) {
            script.refused = value;
        }
        return bytes.value_or(std::string());
    };
    for (const BatchCommand& command : commands) {
        std::string line = "@\"" + carried(program) + "\" ";
        for (const ExportedSwitch& entry : command) {
            line += entry.name + " ";
            if (entry.value) {
                const std::string bytes = carried(*entry.value);
                line += (entry.valueIsFolder ? "\"" + bytes + "\"" : bytes) + " ";
            }
        }
        script.text += "\r\n" + line;
    }
    script.text.pop_back();
    script.text += "\r\n";
    if (!script.refused.empty()) {
        script.text.clear();
    }
    return script;
}

}  // namespace

std::vector<BatchCommand> BatchCommands(const Settings& settings, const JobList& jobs,
                                        const BatchAnswers& answers) {
    std::vector<BatchCommand> commands;
    for (const SyncJob& job : jobs) {
        if (job.IsActive()) {
            commands.push_back(
                OnlyTail(ExportCommandLine(JobSettings(settings, job, answers)), false));
        }
    }
    if (commands.empty()) {
        commands.emplace_back();
    }
    const BatchCommand tail = OnlyTail(ExportCommandLine(settings), true);
    commands.back().insert(commands.back().end(), tail.begin(), tail.end());
    return commands;
}

BatchScript WriteBatchScript(ScriptFlavour flavour, const std::string& program,
                             const std::vector<BatchCommand>& commands) {
    if (flavour == ScriptFlavour::WindowsBatch) {
        return WindowsBatch(program, commands);
    }
    return BatchScript{ShellScript(program, commands), ""};
}

std::string BatchFileName(ScriptFlavour flavour) {
    return flavour == ScriptFlavour::WindowsBatch ? "Quorvex.bat" : "Quorvex.sh";
}

std::string BatchFileFilter(ScriptFlavour flavour) {
    return flavour == ScriptFlavour::WindowsBatch ? "Batchfile (*.bat)|*.bat"
                                                  : "Shell-Skript (*.sh)|*.sh";
}

}  // namespace quorvex
