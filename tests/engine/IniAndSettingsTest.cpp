#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Console/IniReader.h"
#include "src_lumo/Game/SettingsFile.h"

#include <filesystem>
#include <sys/stat.h>

using TovarWorks::IniReader;
using Lumo::GameSettings;
using Lumo::SettingsFile;
using Lumo::TextSpeed;
using Lumo::TextSpeeds;

namespace {
std::wstring wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
} // namespace

class IniReaderTest : public NullDeviceFixture {
protected:
    std::vector<std::wstring> consoleTexts() const {
        std::vector<std::wstring> texts;
        for (const auto& line : TovarWorks::gDevice->getConsole()->lines)
            texts.push_back(line.text.c_str());
        return texts;
    }
    TempDir dir;
};

TEST_F(IniReaderTest, ReadsKeysUntrimmedAndIgnoresLinesWithoutEquals) {
    const IniReader ini(wide(dir.write("a.ini", "[sound]\nmusic=70\n music = 30\nname=a=b\r\n; comment\nflag=TRUE\n")));
    ASSERT_TRUE(ini.isLoaded());
    EXPECT_EQ(ini.getInt(L"music"), 70);
    EXPECT_EQ(ini.getInt(L" music "), 30);
    EXPECT_EQ(ini.getInt(L"[sound]"), -1);
    EXPECT_TRUE(ini.getBool(L"flag"));
    EXPECT_EQ(ini.getInt(L"absent"), -1);
    EXPECT_FALSE(ini.getBool(L"absent"));
}

TEST_F(IniReaderTest, LaterLinesReplaceEarlierOnesAndNumbersStopAtTheFirstNonDigit) {
    const IniReader ini(wide(dir.write("b.ini", "resx=640\nresx=  1280px\nneg=-5\n")));
    EXPECT_EQ(ini.getInt(L"resx"), 1280);
    EXPECT_EQ(ini.getInt(L"neg"), -5);
}

TEST_F(IniReaderTest, BooleansAreTrueOnlyForTheThreeSpellings) {
    const IniReader ini(wide(dir.write("c.ini", "a=true\nb=TRUE\nc=1\nd=True\ne=yes\nf=\n")));
    EXPECT_TRUE(ini.getBool(L"a"));
    EXPECT_TRUE(ini.getBool(L"b"));
    EXPECT_TRUE(ini.getBool(L"c"));
    EXPECT_FALSE(ini.getBool(L"d"));
    EXPECT_FALSE(ini.getBool(L"e"));
    EXPECT_FALSE(ini.getBool(L"f"));
}

TEST_F(IniReaderTest, OverlongLinesAreCutNotTheRestOfTheFile) {
    const IniReader ini(wide(dir.write("d.ini", "long=" + std::string(3000, '7') + "\nafter=4\n")));
    EXPECT_EQ(ini.getInt(L"after"), 4);
}

TEST_F(IniReaderTest, MissingFileIsReportedAndReadsAsAbsent) {
    const std::string path = dir.file("missing.ini");
    const IniReader ini(wide(path));
    EXPECT_FALSE(ini.isLoaded());
    EXPECT_EQ(ini.getInt(L"music"), -1);
    ASSERT_FALSE(consoleTexts().empty());
    EXPECT_EQ(consoleTexts().back(), L"Could not load INI file " + wide(path) + L"!");
}

class SettingsFileTest : public IniReaderTest {};

TEST_F(SettingsFileTest, SavingAndReadingBackGivesTheSameSixValues) {
    GameSettings written;
    written.musicVolume = 30;
    written.soundVolume = 0;
    written.fullscreen = true;
    written.width = 1920;
    written.height = 1080;
    written.pixelPrecise = false;
    written.textSpeed = TextSpeed::Instant;
    written.maxFps = 0;
    written.vsync = true;
    written.hints = false;
    written.language = "de";
    ASSERT_TRUE(written.keys.bindKey(Lumo::GameAction::WalkUp, irr::KEY_KEY_W));
    ASSERT_TRUE(written.keys.bindButton(Lumo::GameAction::Menu, 9));
    const std::string path = dir.file("settings.ini");
    ASSERT_TRUE(SettingsFile::save(written, path));
    EXPECT_EQ(readWholeFile(path),
              "[key-bindings]\nkey_up=w\nkey_down=down\nkey_left=left\nkey_right=right\nkey_act=space\n"
              "key_cancel=x\nkey_pickup=c\nkey_menu=escape\npad_up=none\npad_down=none\npad_left=none\n"
              "pad_right=none\npad_act=0\npad_cancel=1\npad_pickup=2\npad_menu=9\n"
              "[sound]\nmusic=30\nsound=0\n[graphics]\nfullscreen=true\nresx=1920\nresy=1080\n"
              "pixelprec=false\nmaxfps=0\nvsync=true\n[interface]\nhints=false\ntext=instant\nlanguage=de\n");
    const GameSettings read = SettingsFile::read(wide(path));
    EXPECT_EQ(read.musicVolume, 30);
    EXPECT_EQ(read.soundVolume, 0);
    EXPECT_TRUE(read.fullscreen);
    EXPECT_EQ(read.width, 1920);
    EXPECT_EQ(read.height, 1080);
    EXPECT_FALSE(read.pixelPrecise);
    EXPECT_EQ(read.textSpeed, TextSpeed::Instant);
    EXPECT_EQ(read.maxFps, 0) << "no cap";
    EXPECT_TRUE(read.vsync);
    EXPECT_FALSE(read.hints);
    EXPECT_EQ(read.language, "de");
    EXPECT_TRUE(read.keys == written.keys);
    for (const char* speed : {"slow", "fast"})
        EXPECT_EQ(TextSpeeds::name(SettingsFile::read(wide(dir.write("speed.ini", std::string("text=") + speed + "\n")))
                                       .textSpeed),
                  wide(speed));
}

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAfterTwoMessages) {
    const std::string path = dir.file("settings.ini");
    const GameSettings read = SettingsFile::read(wide(path));
    EXPECT_EQ(read.width, 1024);
    EXPECT_EQ(read.height, 720);
    EXPECT_EQ(read.musicVolume, 100);
    EXPECT_EQ(read.soundVolume, 100);
    EXPECT_FALSE(read.fullscreen);
    EXPECT_TRUE(read.pixelPrecise);
    const auto texts = consoleTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], L"Could not load INI file " + wide(path) + L"!");
    EXPECT_EQ(texts.back(), L"settings.ini not found!");
}

TEST_F(SettingsFileTest, MissingOrUnusableValuesKeepTheirDefaultsAndVolumesAreClamped) {
    const std::string path =
        dir.write("settings.ini", "music = 10\nsound=250\nresx=-1\nresy=abc\nfullscreen=maybe\ntext=ludicrous\nmaxfps=-30\n"
                              "language=klingon\n");
    const GameSettings read = SettingsFile::read(wide(path));
    EXPECT_EQ(read.musicVolume, 100) << "a key written with blanks is not the key";
    EXPECT_EQ(read.soundVolume, 100);
    EXPECT_EQ(read.width, 1024);
    EXPECT_EQ(read.height, 720);
    EXPECT_FALSE(read.fullscreen);
    EXPECT_TRUE(read.pixelPrecise);
    EXPECT_EQ(read.textSpeed, TextSpeed::Normal);
    EXPECT_EQ(read.maxFps, 60);
    EXPECT_TRUE(read.vsync) << "vsync stays asked for unless the player turns it off";
    EXPECT_EQ(read.language, "en");

    const GameSettings low = SettingsFile::read(wide(dir.write("low.ini", "music=-40\nsound=0\n")));
    EXPECT_EQ(low.musicVolume, 0);
    EXPECT_EQ(low.soundVolume, 0);
}

TEST_F(SettingsFileTest, HandReorderedFileReadsTheSameAndIsRewrittenCanonically) {
    const std::string path =
        dir.write("settings.ini", "pixelprec=false\nresy=360\n[x]\nresx=640\nmusic=20\nsound=40\nfullscreen=1\n");
    const GameSettings read = SettingsFile::read(wide(path));
    EXPECT_EQ(read.width, 640);
    EXPECT_EQ(read.height, 360);
    EXPECT_TRUE(read.fullscreen);
    EXPECT_TRUE(read.hints) << "a file from before the hints could be switched off shows them";
    ASSERT_TRUE(SettingsFile::save(read, path));
    EXPECT_EQ(readWholeFile(path).substr(0, 25), "[key-bindings]\nkey_up=up\n");
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
    const std::string path = dir.write("settings.ini", "music=55\n");
    // A folder in the temporary file's place makes the write fail half-way.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(SettingsFile::save(GameSettings(), path));
    EXPECT_EQ(readWholeFile(path), "music=55\n");
    EXPECT_EQ(consoleTexts().back(), L"could not write to settings.ini!");
}

// Each line spoils one entry of the keys section; the entry keeps its default, and the good entry
// next to it is still read.
class BrokenKeysSection : public SettingsFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BrokenKeysSection, KeepsTheDefault) {
    const GameSettings read =
        SettingsFile::read(wide(dir.write("settings.ini", std::string("key_up=w\n") + GetParam() + "\n")));
    Lumo::KeyBindings expected;
    ASSERT_TRUE(expected.bindKey(Lumo::GameAction::WalkUp, irr::KEY_KEY_W));
    EXPECT_TRUE(read.keys == expected) << GetParam();
}

TEST_F(SettingsFileTest, KeyNamesReadInAnyCase) {
    const GameSettings read = SettingsFile::read(wide(dir.write("settings.ini", "key_act=E\nkey_menu=Tab\n")));
    EXPECT_EQ(read.keys.key(Lumo::GameAction::Act), irr::KEY_KEY_E);
    EXPECT_EQ(read.keys.key(Lumo::GameAction::Menu), irr::KEY_TAB);
}

INSTANTIATE_TEST_SUITE_P(SettingsFileTest, BrokenKeysSection,
                         ::testing::Values("key_act=", "key_act=banana", "key_act= e",
                                           "key_act=1", "key_act=l", "key_act=backspace", "pad_act=32", "pad_act=-1",
                                           "pad_act=2x", "pad_act=", "key_menu=\xff\xfe", "key_cancel=w"));
