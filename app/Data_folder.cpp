#include "Data_folder.h"

#include <pwd.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "Build_info.h"

namespace {

constexpr const char* Program_folder_name = "voran";

std::optional<std::string> Environment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

// The folder made canonical where it exists; as given where it does not.
std::string Canonical(const std::filesystem::path& folder)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    return error ? folder.string() : canonical.string();
}

}  // namespace

std::string User_data_folder(const std::optional<std::string>& xdg_data_home, const std::optional<std::string>& home)
{
    if (xdg_data_home && !xdg_data_home->empty() && xdg_data_home->front() == '/')
        return (std::filesystem::path(*xdg_data_home) / Program_folder_name).string();
    if (home && !home->empty())
        return (std::filesystem::path(*home) / ".local/share" / Program_folder_name).string();
    return {};
}

std::string Data_folder(const Data_folder_facts& facts)
{
    const bool installed = facts.Executable_folder == facts.Installed_folder;
    if (!installed && facts.Executable_folder_writable)
        return facts.Executable_folder;
    const std::string user_folder = User_data_folder(facts.Xdg_data_home, facts.Home);
    return user_folder.empty() ? facts.Executable_folder : user_folder;
}

bool Folder_writable(const std::string& folder)
{
    // For the effective user, who will write the file; a read-only file
    // system answers no as well.
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

Data_folder_facts This_process_facts()
{
    Data_folder_facts facts;
    // Without /proc the folder stays unknown (empty), which no user can
    // write, so the user's data folder serves.
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        facts.Executable_folder = Canonical(executable.parent_path());
    facts.Installed_folder = Canonical(std::string(Installed_program_folder));
    facts.Executable_folder_writable = Folder_writable(facts.Executable_folder);
    facts.Xdg_data_home = Environment("XDG_DATA_HOME");
    facts.Home = Environment("HOME");
    if (!facts.Home || facts.Home->empty()) {
        if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_dir != nullptr)
            facts.Home = std::string(entry->pw_dir);
    }
    return facts;
}
