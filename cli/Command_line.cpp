#include "Command_line.h"

#include <map>
#include <optional>

namespace {

// The options that take one value, each given at most once, by name.
using Option_values = std::map<std::string, std::optional<std::string>>;

std::string Required(const Option_values& options, const std::string& name)
{
    const auto& value = options.at(name);
    if (!value)
        throw Usage_error("missing " + name);
    return *value;
}

}  // namespace

Command Parse_command_line(const std::vector<std::string>& arguments)
{
    Command command;
    Option_values options = {
        {"--sd", {}}, {"--n", {}}, {"--case-a", {}}, {"--case-b", {}},
        {"--limits", {}}, {"--csv", {}}, {"--plot", {}},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            command.What = Command::Kind::Help;
            return command;
        }
        if (argument == "--version") {
            command.What = Command::Kind::Version;
            return command;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const bool is_note = name == "--note";
        if (!is_note && !options.count(name))
            throw Usage_error("unknown argument '" + argument + "'");
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw Usage_error(name + " needs a value");
        }
        if (is_note) {
            command.Single.Notes.push_back(value);
            continue;
        }
        auto& slot = options.at(name);
        if (slot)
            throw Usage_error(name + " given twice");
        slot = value;
    }

    if (const auto& csv = options.at("--csv")) {
        for (const auto& [name, value] : options)
            if (value && name != "--csv")
                throw Usage_error("--csv takes no " + name);
        if (!command.Single.Notes.empty())
            throw Usage_error("--csv takes no --note");
        command.What = Command::Kind::Batch;
        command.Csv_path = *csv;
        return command;
    }

    command.Single.Texts = {Required(options, "--sd"), Required(options, "--n"),
                            Required(options, "--case-a"), Required(options, "--case-b")};
    if (const auto& word = options.at("--limits")) {
        const auto limits = Limits_from_word(*word);
        if (!limits)
            throw Usage_error("--limits must be one of " + std::string(Limits_words));
        command.Single.Limits_kind = *limits;
    }
    command.Single.Plot_path = options.at("--plot").value_or("");
    return command;
}
