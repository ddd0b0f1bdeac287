#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Console/IniReader.h"
#include "src_lumo/Game/SettingsFile.h"

#include <filesystem>

using TovarWorks::IniReader;
using Lumo::GameSettings;
using Lumo::SettingsFile;

namespace {
std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
} // namespace

class IniReaderTest : public NullDeviceFixture {
protected:
    std::wstring lastConsoleText(size_t back = 0) const {
        const auto& lines = TovarWorks::gDevice->getConsole()->lines;
        return lines.at(lines.size() - 1 - back).text.c_str();
    }
    IniReader ini(const std::string& text) const { return IniReader(wide(dir.write("a.ini", text))); }
    TempDir dir;
};

TEST_F(IniReaderTest, KeysAreUntrimmedLaterLinesWinAndLinesWithoutEqualsAreIgnored) {
    const IniReader read = ini("[sound]\nmusic=70\n music = 30\nname=a=b\r\n; comment\nresx=640\nresx=  1280px\nneg=-5\n"
                               "long=" + std::string(3000, '7') + "\nafter=4\n");
    ASSERT_TRUE(read.isLoaded());
    EXPECT_EQ(read.getInt(L"music"), 70);
    EXPECT_EQ(read.getInt(L" music "), 30);
    EXPECT_EQ(read.getString(L"name"), L"a=b");
    EXPECT_EQ(read.getInt(L"[sound]"), -1);
    EXPECT_EQ(read.getInt(L"absent"), -1);
    EXPECT_EQ(read.getInt(L"resx"), 1280) << "a number ends at the first non-digit";
    EXPECT_EQ(read.getInt(L"neg"), -5);
    EXPECT_EQ(read.getString(L"long").size(), 1018u) << "a line is cut after 1023 characters";
    EXPECT_EQ(read.getInt(L"after"), 4) << "the rest of the file is still read";
}

TEST_F(IniReaderTest, BooleansAreTrueOnlyForTheThreeSpellings) {
    const IniReader read = ini("a=true\nb=TRUE\nc=1\nd=True\ne=yes\nf=\n");
    for (const wchar_t* key : {L"a", L"b", L"c"})
        EXPECT_TRUE(read.getBool(key)) << key;
    for (const wchar_t* key : {L"d", L"e", L"f", L"absent"})
        EXPECT_FALSE(read.getBool(key)) << key;
}

class SettingsFileTest : public IniReaderTest {
protected:
    GameSettings read(const std::string& text) const {
        return SettingsFile::read(wide(dir.write("settings.ini", text)));
    }
    // The lines the settings are saved as: equal lines, equal settings.
    std::string canonical(const GameSettings& settings) const {
        EXPECT_TRUE(SettingsFile::save(settings, dir.file("canonical.ini")));
        return dir.read("canonical.ini");
    }
};

TEST_F(SettingsFileTest, SavedSettingsHaveTheCanonicalLinesAndReadBackTheSame) {
    GameSettings written;
    written.musicVolume = 30;
    written.soundVolume = 0;
    written.fullscreen = true;
    written.width = 1920;
    written.height = 1080;
    written.pixelPrecise = false;
    written.textSpeed = Lumo::TextSpeed::Instant;
    written.maxFps = 0;
    written.vsync = true;
    written.hints = false;
    written.language = "de";
    ASSERT_TRUE(written.keys.bindKey(Lumo::GameAction::WalkUp, irr::KEY_KEY_W));
    ASSERT_TRUE(written.keys.bindButton(Lumo::GameAction::Menu, 9));
    const std::string lines = canonical(written);
    EXPECT_EQ(lines,
              "[key-bindings]\nkey_up=w\nkey_down=down\nkey_left=left\nkey_right=right\nkey_act=space\n"
              "key_cancel=x\nkey_pickup=c\nkey_menu=escape\npad_up=none\npad_down=none\npad_left=none\n"
              "pad_right=none\npad_act=0\npad_cancel=1\npad_pickup=2\npad_menu=9\n"
              "[sound]\nmusic=30\nsound=0\n[graphics]\nfullscreen=true\nresx=1920\nresy=1080\n"
              "pixelprec=false\nmaxfps=0\nvsync=true\n[interface]\nhints=false\ntext=instant\nlanguage=de\n");
    EXPECT_EQ(canonical(read(lines)), lines);
    for (const char* speed : {"slow", "fast"})
        EXPECT_EQ(Lumo::TextSpeeds::name(read(std::string("text=") + speed + "\n").textSpeed), wide(speed));
}

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAfterTwoMessages) {
    const std::string path = dir.file("settings.ini");
    EXPECT_EQ(canonical(SettingsFile::read(wide(path))), canonical(GameSettings()));
    EXPECT_EQ(lastConsoleText(1), L"Could not load INI file " + wide(path) + L"!");
    EXPECT_EQ(lastConsoleText(), L"settings.ini not found!");
}

TEST_F(SettingsFileTest, UnusableValuesKeepTheirDefaultsAndVolumesAreClamped) {
    EXPECT_EQ(canonical(read("music = 10\nsound=250\nresx=-1\nresy=abc\nfullscreen=maybe\ntext=ludicrous\nmaxfps=-30\n"
                             "language=klingon\n")),
              canonical(GameSettings()))
        << "a key written with blanks is not the key";
    const GameSettings edges = read("music=-40\nsound=0\nresx=16384\nresy=16385\nmaxfps=1001\n");
    EXPECT_EQ(edges.maxFps, 1000);
    EXPECT_EQ(edges.musicVolume, 0);
    EXPECT_EQ(edges.soundVolume, 0);
    EXPECT_EQ(edges.width, 16384);
    EXPECT_EQ(edges.height, GameSettings().height);
    const GameSettings smallest = read("resx=1\nresy=0\n");
    EXPECT_EQ(smallest.width, 1);
    EXPECT_EQ(smallest.height, GameSettings().height);
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
    const std::string path = dir.write("settings.ini", "music=55\n");
    // A folder in the temporary file's place makes the write fail half-way.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(SettingsFile::save(GameSettings(), path));
    EXPECT_EQ(readWholeFile(path), "music=55\n");
    EXPECT_EQ(lastConsoleText(), L"could not write to settings.ini!");
}

TEST_F(SettingsFileTest, KeyNamesReadInAnyCaseDownToNumZeroAndUpToF12) {
    const GameSettings settings = read("key_act=E\nkey_menu=Tab\nkey_cancel=Num 0\nkey_pickup=F12\n");
    EXPECT_EQ(settings.keys.key(Lumo::GameAction::Act), irr::KEY_KEY_E);
    EXPECT_EQ(settings.keys.key(Lumo::GameAction::Menu), irr::KEY_TAB);
    EXPECT_EQ(settings.keys.key(Lumo::GameAction::Cancel), irr::KEY_NUMPAD0);
    EXPECT_EQ(settings.keys.key(Lumo::GameAction::PickUp), irr::KEY_F12);
}

// Each line spoils one entry of the keys section; the entry keeps its default, and the good entry
// next to it is still read.
class BrokenKeysSection : public SettingsFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BrokenKeysSection, KeepsTheDefault) {
    GameSettings expected;
    ASSERT_TRUE(expected.keys.bindKey(Lumo::GameAction::WalkUp, irr::KEY_KEY_W));
    EXPECT_EQ(canonical(read(std::string("key_up=w\n") + GetParam() + "\n")), canonical(expected)) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(SettingsFileTest, BrokenKeysSection,
                         ::testing::Values("key_act=", "key_act=banana", "key_act= e", "key_act=1", "key_act=l",
                                           "key_act=backspace", "key_act=num 10", "pad_act=32", "pad_act=-1",
                                           "pad_act=2x", "pad_act=", "key_menu=\xff\xfe", "key_cancel=w"));
