// "cmake --install" into a fresh prefix, made read-only like a system folder; the installed game
// starts from its launcher, keeps its files in the player's folder under the XDG data home and
// leaves every installed file as it was.
#include "NeedsDisplay.h"
#include "RunningProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

void setWritable(const fs::path& root, bool writable) {
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const fs::perm_options how = writable ? fs::perm_options::add : fs::perm_options::remove;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_symlink())
            fs::permissions(entry.path(), writable ? fs::perms::owner_write : write, how);
    fs::permissions(root, writable ? fs::perms::owner_write : write, how);
}

// Every entry under the root with a checksum of its contents (a link: of its target). CI runs as
// root, whom read-only permissions do not stop, so only comparing these shows a run wrote nothing.
std::map<std::string, std::size_t> checksums(const fs::path& root) {
    std::map<std::string, std::size_t> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            entries[name] = std::hash<std::string>()("link to " + fs::read_symlink(entry.path()).string());
        else if (entry.is_regular_file())
            entries[name] = std::hash<std::string>()(readWholeFile(entry.path().string()));
        else
            entries[name] = 0;
    }
    return entries;
}

std::string changes(const std::map<std::string, std::size_t>& before, const std::map<std::string, std::size_t>& after) {
    std::string found;
    for (const auto& [name, sum] : before)
        if (!after.count(name) || after.at(name) != sum)
            found += "changed or removed " + name + "\n";
    for (const auto& [name, sum] : after)
        if (!before.count(name))
            found += "added " + name + "\n";
    return found;
}

// The lines that tell of something the game could not do, but for the meshes' empty texture slots,
// which Irrlicht's own mesh format writes as a texture named "0".
std::string problems(const std::string& output) {
    std::istringstream lines(output);
    std::string line, found;
    while (std::getline(lines, line))
        if (line.find("Could not") != std::string::npos && line != "Could not open file of texture: 0")
            found += line + "\n";
    return found;
}

} // namespace

class InstalledGameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        temp = new TempDir();
        const std::string command = std::string(KORNELO_CMAKE_COMMAND) + " --install " + KORNELO_BINARY_DIR +
                                    " --prefix " + prefix().string() + " > " + temp->file("install.log") + " 2>&1";
        installed = std::system(command.c_str()) == 0;
        if (installed) {
            setWritable(prefix(), false);
            asInstalled = checksums(prefix());
        }
    }
    static void TearDownTestSuite() {
        if (fs::exists(prefix()))
            setWritable(prefix(), true);
        delete temp;
        temp = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed) << readWholeFile(temp->file("install.log")); }

    static fs::path prefix() { return temp->path() / "prefix"; }

    static inline TempDir* temp = nullptr;
    static inline bool installed = false;
    static inline std::map<std::string, std::size_t> asInstalled;
};

// The installed data is what the run below finds: a file it misses shows as a "Could not" line.
TEST_F(InstalledGameTest, PutsALauncherADesktopEntryAndAnIconOnThePrefix) {
    const std::string icon = readWholeFile((prefix() / "share/icons/hicolor/64x64/apps/kornelo.png").string());
    EXPECT_EQ(icon.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const std::string desktop = readWholeFile((prefix() / "share/applications/kornelo.desktop").string());
    EXPECT_NE(desktop.find("[Desktop Entry]"), std::string::npos);
    EXPECT_NE(desktop.find("Exec=" + (prefix() / "bin" / "kornelo").string() + "\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("Icon=" + (prefix() / "share/icons/hicolor/64x64/apps/kornelo.png").string()),
              std::string::npos)
        << desktop;
}

TEST_F(InstalledGameTest, RunsFromTheReadOnlyPrefixAndKeepsItsFilesInThePlayersFolder) {
    SKIP_WITHOUT_DISPLAY();
    const fs::path home = temp->path() / "home";
    const fs::path dataHome = temp->path() / "data-home";
    fs::create_directories(home);
    RunningProgram game({(prefix() / "bin" / "kornelo").string(),
                         {},
                         "/",
                         {"HOME=" + home.string(), "XDG_DATA_HOME=" + dataHome.string(), "SDL_AUDIODRIVER=dummy"}});
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitFor("TovarWorks engine is up and running.", 30s)) << game.output();
    EXPECT_TRUE(game.waitFor("Language: 1 (English)", 5s)) << game.output();
    std::this_thread::sleep_for(1000ms);
    EXPECT_EQ(game.stop(), 0) << game.output();
    EXPECT_EQ(problems(game.output()), "") << "every file is found where the game looks for it";
    EXPECT_EQ(changes(asInstalled, checksums(prefix())), "") << "the run must leave the installed game as it was";
    // Links and copies are UserFolderTest's; here that the installed game makes the files it writes its own.
    for (const char* file : {"settings.ini", "lumodata/worldp.txt", "lumodata/worldc.txt"})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dataHome / "kornelo" / file))) << file;
}
