// The player's own folder of an installed game: shipped data linked, writable files copied once.
#include "TempDir.h"
#include "TovarWorks/Platform/UserFolder.h"
#include "src_lumo/Game/GameFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using TovarWorks::UserFolder;

class UserFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.write("shipped/settings.ini", "music=100\n");
        temp.write("shipped/lumodata/worldp.txt", "nodes\n");
        temp.write("shipped/lumodata/lang/en.txt", "A=b\n");
        temp.write("shipped/data/shader/solid.frag", "void main() {}\n");
    }

    bool prepare(const fs::path& from) { return UserFolder::prepare(from, user, {"settings.ini", "lumodata/worldp.txt"}, error); }
    std::string inUser(const char* file) const { return readWholeFile((user / file).string()); }

    TempDir temp;
    const fs::path shipped = temp.path() / "shipped";
    const fs::path user = temp.path() / "home" / "kornelo";
    std::string error;
};

TEST_F(UserFolderTest, LinksTheShippedDataAndCopiesTheWritableFilesForThePlayerToChange) {
    fs::permissions(shipped / "settings.ini", fs::perms::owner_read | fs::perms::group_read);
    ASSERT_TRUE(prepare(shipped)) << error;
    EXPECT_TRUE(fs::is_symlink(user / "data"));
    EXPECT_TRUE(fs::is_symlink(user / "lumodata" / "lang"));
    EXPECT_FALSE(fs::is_symlink(user / "lumodata"));
    EXPECT_FALSE(fs::is_symlink(user / "settings.ini"));
    EXPECT_EQ(inUser("settings.ini"), "music=100\n");
    EXPECT_EQ(inUser("lumodata/lang/en.txt"), "A=b\n");
    EXPECT_EQ(inUser("data/shader/solid.frag"), "void main() {}\n");
    EXPECT_NE(fs::status(user / "settings.ini").permissions() & fs::perms::owner_write, fs::perms::none);
    temp.write("home/kornelo/settings.ini", "music=40\n");
    EXPECT_EQ(readWholeFile((shipped / "settings.ini").string()), "music=100\n");
}

TEST_F(UserFolderTest, ALaterStartKeepsThePlayersFilesAddsNewShippedDataAndFollowsAMove) {
    ASSERT_TRUE(prepare(shipped)) << error;
    temp.write("home/kornelo/settings.ini", "music=40\n");
    temp.write("home/kornelo/lumodata/worldp.txt", "edited\n");
    temp.write("shipped/lumodata/worldc.txt", "grid\n");
    const fs::path moved = temp.path() / "moved";
    fs::rename(shipped, moved);
    ASSERT_TRUE(prepare(moved)) << error;
    EXPECT_EQ(inUser("settings.ini"), "music=40\n");
    EXPECT_EQ(inUser("lumodata/worldp.txt"), "edited\n");
    EXPECT_TRUE(fs::is_symlink(user / "lumodata" / "worldc.txt"));
    EXPECT_EQ(fs::read_symlink(user / "data"), moved / "data");
    EXPECT_EQ(inUser("lumodata/lang/en.txt"), "A=b\n");
}

TEST_F(UserFolderTest, AFolderThatCannotBeMadeOrNoHomeIsReported) {
    temp.write("home", "a file where the folder should be");
    EXPECT_FALSE(prepare(shipped));
    EXPECT_NE(error.find("home"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(UserFolder::prepare(shipped, fs::path(), {"settings.ini"}, error));
    EXPECT_FALSE(error.empty());
}

TEST(UserFolderLocationTest, FollowsAnAbsoluteXdgDataHomeElseTheHomeFolder) {
    std::vector<std::pair<std::string, std::string>> saved;
    for (const char* name : {"HOME", "XDG_DATA_HOME"})
        if (const char* value = std::getenv(name))
            saved.emplace_back(name, value);
    setenv("HOME", "/home/sophie", 1);
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(UserFolder::locate("kornelo"), fs::path("/data/home/kornelo"));
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(UserFolder::locate("kornelo"), fs::path("/home/sophie/.local/share/kornelo"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserFolder::locate("kornelo"), fs::path("/home/sophie/.local/share/kornelo"));
    unsetenv("HOME");
    for (const auto& [name, value] : saved)
        setenv(name.c_str(), value.c_str(), 1);
}

TEST(GameFolderTest, AnInstalledGameWorksInThePlayersFolderAndABuildInItsOwn) {
    TempDir temp;
    EXPECT_FALSE(Lumo::GameFolder::needsUserFolder(temp.path()));
    temp.write(Lumo::GameFolder::kInstalledMarker, "installed\n");
    EXPECT_TRUE(Lumo::GameFolder::needsUserFolder(temp.path()));
}

// The build's runtime folder is assembled again by every build, over what the game wrote there.
TEST(RuntimeAssemblyTest, ARebuildKeepsWhatThePlayerAndTheEditorWroteAndRestoresTheRest) {
    TempDir temp;
    const fs::path runtime = temp.path() / "runtime";
    const auto assemble = [&] {
        const std::string command = std::string(KORNELO_CMAKE_COMMAND) + " -DSOURCE_DIR=" + KORNELO_SOURCE_DIR +
                                    " -DRUNTIME_DIR=" + runtime.string() + " -P " + KORNELO_SOURCE_DIR +
                                    "/cmake/AssembleRuntime.cmake > " + temp.file("assemble.log") + " 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << readWholeFile(temp.file("assemble.log"));
    };
    const auto shipped = [](const std::string& file) { return readWholeFile(KORNELO_SOURCE_DIR "/" + file); };
    const auto assembled = [&](const std::string& file) { return readWholeFile((runtime / file).string()); };
    const char* const written[] = {"settings.ini", "lumodata/worldp.txt", "lumodata/worldc.txt"};
    assemble();
    for (const char* file : written) {
        EXPECT_EQ(assembled(file), shipped(file)) << file;
        temp.write((fs::path("runtime") / file).string(), std::string("saved by the game: ") + file);
    }
    temp.write("runtime/lumodata/lang/en.txt", "damaged");
    fs::remove(runtime / "data/shader/solidmaterial.frag");
    assemble();
    for (const char* file : written)
        EXPECT_EQ(assembled(file), std::string("saved by the game: ") + file) << file;
    EXPECT_EQ(assembled("lumodata/lang/en.txt"), shipped("lumodata/lang/en.txt"));
    EXPECT_TRUE(fs::exists(runtime / "data/shader/solidmaterial.frag"));
    // A developer who wants the repository's world back deletes the saved one.
    fs::remove(runtime / "lumodata/worldp.txt");
    assemble();
    EXPECT_EQ(assembled("lumodata/worldp.txt"), shipped("lumodata/worldp.txt"));
}
