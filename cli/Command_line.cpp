#include "Command_line.h"

#include <charconv>
#include <cmath>
#include <map>

#include "Batch.h"
#include "Decimal_comma.h"
#include "Read_double.h"
#include "Table_entry.h"

namespace {

// The values given, by option name; --note may repeat, every other once.
using Given_values = std::map<std::string_view, std::vector<std::string>>;

const Option* Find_option(std::string_view name)
{
    return Entry_with(Options, &Option::Name, name);
}

std::optional<std::string> Value(const Given_values& given, std::string_view name)
{
    const auto entry = given.find(name);
    if (entry == given.end())
        return std::nullopt;
    return entry->second.front();
}

std::string Required(const Given_values& given, std::string_view name)
{
    const auto value = Value(given, name);
    if (!value)
        throw EUsage_error("missing " + std::string(name));
    return *value;
}

char Delimiter_from_text(const std::string& text)
{
    const auto delimiter = Delimiter_from_word(text);
    if (!delimiter || *delimiter == '"' || *delimiter == '\r' || *delimiter == '\n')
        throw EUsage_error("--delimiter must be tab or one character other than a double quote or a line break");
    return *delimiter;
}

Output_delimiter Output_delimiter_from_text(const std::string& text)
{
    const auto delimiter = Output_delimiter_from_word(text);
    if (!delimiter) {
        std::string words;
        for (const Output_delimiter_name& name : Output_delimiter_table)
            words += (words.empty() ? "'" : " '") + std::string(name.Word) + "'";
        throw EUsage_error("--output-delimiter must be one of " + words + ", not '" + text + "'");
    }
    return *delimiter;
}

Output_format Format_from_text(const std::string& text)
{
    const auto format = Output_format_from_word(text);
    if (!format)
        throw EUsage_error("--format must be one of " + std::string(Output_format_words));
    return *format;
}

Summary_language Summary_from_text(const std::string& text)
{
    const auto language = Summary_language_from_word(text);
    if (!language)
        throw EUsage_error("--summary must be one of " + std::string(Summary_language_words));
    return *language;
}

unsigned Jobs_from_text(const std::string& text)
{
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > Max_jobs)
        throw EUsage_error("--jobs must be a whole number from 1 to " + std::to_string(Max_jobs));
    return jobs;
}

}  // namespace

Extended Level_from_text(const std::string& text)
{
    const std::string number = Comma_as_point(text);
    double level = 0;
    const auto [end, error] = Read_double(number.data(), number.data() + number.size(), level);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(level) ||
        level < 50 || level >= 100)
        throw EUsage_error("--level must be a number from 50 up to but not including 100");
    return level;
}

Command Parse_command_line(const std::vector<std::string>& arguments)
{
    Command command;
    if (arguments.empty()) {
        command.What = Command::Kind::Help;
        return command;
    }
    Given_values given;
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
        const Option* option = Find_option(std::string_view(argument).substr(0, equals));
        if (!option || option->Use == Option_use::Alone)
            throw EUsage_error("unknown argument '" + argument + "'");
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw EUsage_error(std::string(option->Name) + " needs a value");
        }
        auto& values = given[option->Name];
        if (!values.empty() && option->Name != "--note")
            throw EUsage_error(std::string(option->Name) + " given twice");
        values.push_back(std::move(value));
    }

    const bool table = given.contains("--csv");
    for (const auto& [name, values] : given) {
        const Option_use use = Find_option(name)->Use;
        if (table && use == Option_use::Single)
            throw EUsage_error("--csv takes no " + std::string(name));
        if (!table && use == Option_use::Table)
            throw EUsage_error(std::string(name) + " needs --csv");
    }
    const auto level = Value(given, "--level");
    std::optional<Summary_language> summary;
    if (const auto language = Value(given, "--summary"))
        summary = Summary_from_text(*language);

    if (table) {
        command.What = Command::Kind::Batch;
        command.Table.Csv_path = *Value(given, "--csv");
        if (const auto delimiter = Value(given, "--delimiter"))
            command.Table.Delimiter = Delimiter_from_text(*delimiter);
        if (const auto delimiter = Value(given, "--output-delimiter"))
            command.Table.Output_delimiter_kind = Output_delimiter_from_text(*delimiter);
        if (const auto format = Value(given, "--format"))
            command.Table.Format = Format_from_text(*format);
        if (level)
            command.Table.Level = Level_from_text(*level);
        if (const auto jobs = Value(given, "--jobs"))
            command.Table.Jobs = Jobs_from_text(*jobs);
        command.Table.Summary = summary;
        return command;
    }

    command.Single.Texts = {Required(given, "--sd"), Required(given, "--n"),
                            Required(given, "--case-a"), Required(given, "--case-b")};
    if (const auto word = Value(given, "--limits")) {
        const auto limits = Limits_from_text(*word);
        if (!limits)
            throw EUsage_error("--" + Limits_refusal(*word));
        command.Single.Limits_kind = *limits;
    }
    if (level)
        command.Single.Level = Level_from_text(*level);
    command.Single.Summary = summary;
    if (given.contains("--note"))
        command.Single.Notes = given.at("--note");
    if (const auto plot = Value(given, "--plot")) {
        if (plot->empty())
            throw EUsage_error("--plot needs a file name");
        command.Single.Plot_path = *plot;
    }
    return command;
}
