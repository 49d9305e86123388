// Where the control data file lives: the rule as a table of facts and
// folders, the user's data folder from the environment, and the facts as the
// running program gathers them (the read-only folder checked as a user other
// than root).
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "Data_folder.h"

namespace {

using Text = std::optional<std::string>;

constexpr uid_t Nobody = 65534;

struct Rule_row {
    const char* Name;
    Data_folder_facts Facts;
    std::string Folder;
};

const Rule_row Rule_rows[] = {
    {"Installed_copy_uses_the_XDG_data_home",
     {"/usr/bin", "/usr/bin", false, Text("/home/ann/data"), Text("/home/ann")}, "/home/ann/data/voran"},
    {"Installed_copy_without_XDG_data_home_uses_local_share",
     {"/usr/bin", "/usr/bin", false, std::nullopt, Text("/home/ann")}, "/home/ann/.local/share/voran"},
    {"Installed_copy_in_a_writable_folder_still_uses_the_user_folder",
     {"/home/ann/.local/bin", "/home/ann/.local/bin", true, std::nullopt, Text("/home/ann")},
     "/home/ann/.local/share/voran"},
    {"Build_tree_copy_keeps_the_file_beside_the_program",
     {"/home/ann/voran/build/bin", "/usr/local/bin", true, Text("/home/ann/data"), Text("/home/ann")},
     "/home/ann/voran/build/bin"},
    {"Copy_in_a_read_only_folder_uses_the_user_folder",
     {"/opt/voran/bin", "/usr/local/bin", false, std::nullopt, Text("/home/ann")}, "/home/ann/.local/share/voran"},
    {"Copy_in_a_read_only_folder_uses_the_XDG_data_home",
     {"/opt/voran/bin", "/usr/local/bin", false, Text("/data/ann"), Text("/home/ann")}, "/data/ann/voran"},
    {"Root_writing_into_the_installed_folder_still_uses_the_user_folder",
     {"/usr/bin", "/usr/bin", true, std::nullopt, Text("/root")}, "/root/.local/share/voran"},
    {"Installed_copy_without_any_home_stays_beside_the_program",
     {"/usr/bin", "/usr/bin", false, std::nullopt, std::nullopt}, "/usr/bin"},
    {"Unknown_program_folder_uses_the_user_folder",
     {"", "/usr/bin", false, std::nullopt, Text("/home/ann")}, "/home/ann/.local/share/voran"},
    {"Folder_names_that_only_begin_alike_are_not_the_installed_folder",
     {"/usr/bin2", "/usr/bin", true, std::nullopt, Text("/home/ann")}, "/usr/bin2"},
};

class Data_folder_rule : public ::testing::TestWithParam<Rule_row> {};

TEST_P(Data_folder_rule, GivesTheFolderOfTheRule)
{
    EXPECT_EQ(Data_folder(GetParam().Facts), GetParam().Folder);
}

INSTANTIATE_TEST_SUITE_P(Rules, Data_folder_rule, ::testing::ValuesIn(Rule_rows),
                         [](const auto& info) { return std::string(info.param.Name); });

struct Environment_row {
    const char* Name;
    Text Xdg_data_home;
    Text Home;
    std::string Folder;
};

const Environment_row Environment_rows[] = {
    {"Absolute_XDG_data_home", Text("/srv/data"), Text("/home/ann"), "/srv/data/voran"},
    {"XDG_data_home_with_a_trailing_slash", Text("/srv/data/"), Text("/home/ann"), "/srv/data/voran"},
    {"Relative_XDG_data_home_is_ignored", Text("data"), Text("/home/ann"), "/home/ann/.local/share/voran"},
    {"Empty_XDG_data_home_is_ignored", Text(""), Text("/home/ann"), "/home/ann/.local/share/voran"},
    {"Unset_XDG_data_home", std::nullopt, Text("/home/ann"), "/home/ann/.local/share/voran"},
    {"Home_with_a_blank", std::nullopt, Text("/home/ann lee"), "/home/ann lee/.local/share/voran"},
    {"Neither_known", std::nullopt, std::nullopt, ""},
    {"Empty_home", Text(""), Text(""), ""},
};

class User_folder : public ::testing::TestWithParam<Environment_row> {};

TEST_P(User_folder, FollowsTheXdgBaseDirectories)
{
    EXPECT_EQ(User_data_folder(GetParam().Xdg_data_home, GetParam().Home), GetParam().Folder);
}

INSTANTIATE_TEST_SUITE_P(Environments, User_folder, ::testing::ValuesIn(Environment_rows),
                         [](const auto& info) { return std::string(info.param.Name); });

// A folder of mode 755 under the temporary folder, removed at the end, so
// that another user can reach what it holds.
class Scratch_folder {
public:
    Scratch_folder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "voran-data-folder.XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
        ::chmod(path_.c_str(), 0755);
    }
    ~Scratch_folder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_ / "read_only", std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    Scratch_folder(const Scratch_folder&) = delete;
    Scratch_folder& operator=(const Scratch_folder&) = delete;

    std::string Make(const char* name, mode_t mode) const
    {
        const std::filesystem::path folder = path_ / name;
        std::filesystem::create_directory(folder);
        ::chmod(folder.c_str(), mode);
        return folder.string();
    }

private:
    std::filesystem::path path_;
};

// Runs check as a user other than root: as is, or with the effective user
// nobody while root. Returns why it cannot, empty when it ran.
template <class Check>
std::string As_ordinary_user(Check check)
{
    if (::geteuid() != 0) {
        check();
        return {};
    }
    if (::seteuid(Nobody) != 0)
        return "running as root and the effective user cannot become nobody here";
    check();
    if (::seteuid(0) != 0)
        std::abort();
    return {};
}

TEST(Folder_writable, ReadOnlyFolderIsNotWritableForAnOrdinaryUser)
{
    const Scratch_folder scratch;
    const std::string read_only = scratch.Make("read_only", 0555);
    const std::string open = scratch.Make("open", 0777);
    bool read_only_writable = true;
    bool open_writable = false;
    const std::string skip = As_ordinary_user([&] {
        read_only_writable = Folder_writable(read_only);
        open_writable = Folder_writable(open);
    });
    if (!skip.empty())
        GTEST_SKIP() << skip;
    EXPECT_FALSE(read_only_writable);
    EXPECT_TRUE(open_writable);
}

TEST(Folder_writable, MissingFolderIsNotWritable)
{
    EXPECT_FALSE(Folder_writable("/nonexistent/voran"));
    EXPECT_FALSE(Folder_writable(""));
}

TEST(This_process_facts, NameTheFolderOfThisProgramAndTheInstalledFolder)
{
    const Data_folder_facts facts = This_process_facts();
    EXPECT_EQ(facts.Executable_folder, std::filesystem::canonical(VORAN_TEST_PROGRAM_FOLDER).string());
    EXPECT_EQ(facts.Installed_folder, std::filesystem::weakly_canonical(VORAN_INSTALLED_FOLDER).string());
    EXPECT_NE(facts.Executable_folder, facts.Installed_folder);
}

TEST(This_process_facts, HomeFallsBackToThePasswordEntry)
{
    const char* saved = std::getenv("HOME");
    const std::string home = saved == nullptr ? std::string() : saved;
    ::unsetenv("HOME");
    const Data_folder_facts facts = This_process_facts();
    if (saved != nullptr)
        ::setenv("HOME", home.c_str(), 1);
    const passwd* entry = ::getpwuid(::geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(facts.Home, Text(entry->pw_dir));
}

TEST(This_process_facts, TakeTheEnvironmentAsItIs)
{
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string xdg = saved == nullptr ? std::string() : saved;
    ::setenv("XDG_DATA_HOME", "/srv/a folder", 1);
    const Data_folder_facts facts = This_process_facts();
    if (saved != nullptr)
        ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(facts.Xdg_data_home, Text("/srv/a folder"));
}

}  // namespace
