// The interface under OpenGL, compared with the reference pictures in tests/data/gui.
#include "InputEvents.h"
#include "InterfaceScreenshotFixture.h"
#include "TempDir.h"

#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Gui/BedChoice.h"
#include "src_lumo/Gui/Calendar.h"
#include "src_lumo/Gui/DigitCounter.h"
#include "src_lumo/Gui/HintLine.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Input/KeyWords.h"
#include "src_lumo/Menus/GameMenue.h"

#include <gtest/gtest.h>
#include <memory>

using namespace Lumo;

namespace {

class FixedStatus : public GameStatus {
public:
    int minuteOfDay() const override { return 12 * 60; }
    int weekDay() const override { return 2; }
    int day() const override { return 9; }
    int money() const override { return 1250; }
    bool hasLetter(int day) const override { return day <= 9; }
};

} // namespace

class GuiScreenshotTest : public InterfaceScreenshotFixture {
protected:
    GuiScreenshotTest() : InterfaceScreenshotFixture("gui", irr::video::SColor(255, 70, 90, 80)) {}

    void SetUp() override {
        InterfaceScreenshotFixture::SetUp();
        if (HasFatalFailure())
            return;
        gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
        gGameData->fontTexture = keyed("lumodata/fontbakery.png");
        gGameData->guiTexture = keyed("lumodata/2d/gui.png");
        gGameData->gui2Texture = keyed("lumodata/2d/gui2.png");
        gGameData->gui3Texture = keyed("lumodata/2d/gui3.png");
    }

    TempDir folder;
};

TEST_F(GuiScreenshotTest, TitleMenu) {
    GameMenue menu(FallingGoodFactory(), folder.file("settings.ini"));
    menu.update(0);
    expectPicture("title_menu", [&] { menu.draw(); });
    menu.handleKey(keyEvent(irr::KEY_SPACE, true)); // "new game"
    menu.update(GameMenue::kFadeMillis / 10); // the sides part, the logo rises, the background fades
    expectPicture("title_menu_hiding", [&] { menu.draw(); });
}

TEST_F(GuiScreenshotTest, TitleMenuAsksBeforeTheSavedBakeryIsLost) {
    GameMenue menu(FallingGoodFactory(), folder.file("settings.ini"));
    menu.setSavedDay(7);
    menu.update(0);
    menu.handleKey(keyEvent(irr::KEY_DOWN, true)); // "new"
    menu.handleKey(keyEvent(irr::KEY_SPACE, true));
    ASSERT_NE(nullptr, menu.getNewGameQuestion());
    expectPicture("title_menu_new_game_question", [&] { menu.draw(); });
}

// The options screen, the keys page waiting for the key to act, and the calendar.
TEST_F(GuiScreenshotTest, MenusAndCalendarInEveryLanguage) {
    const FixedStatus status;
    for (const std::string language : {"en", "de"}) {
        const std::string suffix = language == "en" ? "" : "_" + language;
        ASSERT_TRUE(GameLanguages::apply(language));
        gGameData->settings.language = language;
        GameMenue menu(FallingGoodFactory(), folder.file("settings.ini"));
        const auto press = [&](irr::EKEY_CODE key, int times) {
            for (int i = 0; i < times; ++i)
                menu.handleKey(keyEvent(key, true));
        };
        press(irr::KEY_DOWN, 1); // "options"
        press(irr::KEY_SPACE, 1);
        ASSERT_TRUE(menu.isOptionsOpen());
        press(irr::KEY_DOWN, 1);
        expectPicture("options_screen" + suffix, [&] { menu.draw(); });
        press(irr::KEY_DOWN, GameMenue::OPTION_KEYS - 1);
        press(irr::KEY_SPACE, 1);
        press(irr::KEY_DOWN, static_cast<int>(GameAction::Act));
        press(irr::KEY_SPACE, 1);
        ASSERT_TRUE(menu.isWaitingForInput());
        expectPicture("keys_page" + suffix, [&] { menu.draw(); });
        Lumo::Calendar calendar(status);
        calendar.moveCursor(3, 0); // day 4 has a letter: the line to read it again shows
        expectPicture("calendar" + suffix, [&] { calendar.draw(); });
    }
}

TEST_F(GuiScreenshotTest, DialogueBoxWhileTypingCompleteAndAGermanLetter) {
    VisualTextBoxStatic box(L"Good morning, baker!\nthe oven is warm: let's bake.", L"merchant");
    box.show();
    box.update(150); // ten characters typed, the last ones still dropping
    expectPicture("dialogue_typing", [&] { box.draw(); });
    box.update(1000);
    ASSERT_TRUE(box.isPageComplete());
    expectPicture("dialogue_complete", [&] { box.draw(); });
    ASSERT_TRUE(GameLanguages::apply("de"));
    VisualTextBoxStatic letter(gameText("L_1_2"), gameText("N_LETTER")); // with umlauts
    letter.show();
    letter.update(5000);
    ASSERT_TRUE(letter.isPageComplete());
    expectPicture("dialogue_german", [&] { letter.draw(); });
}

TEST_F(GuiScreenshotTest, ASpeechBubbleShowsOnlyOnceShownAndWhileVisible) {
    const auto overTheMiddle = [](const irr::core::vector3df&, irr::core::vector2df& units) {
        units.set(320, 200);
        return true;
    };
    VisualTextBoxBubble bubble(irr::core::vector3df(0, 0, 0), overTheMiddle);
    bubble.addPage(L"fresh buns!");
    const irr::video::SColor background(255, 70, 90, 80);
    const auto picture = [&] { return drawIntoPicture(driver, kPictureSize, background, [&] { bubble.draw(); }); };
    irr::video::IImage* nothing = drawIntoPicture(driver, kPictureSize, background, [] {});
    irr::video::IImage* waiting = picture();
    bubble.show();
    bubble.update(5000);
    irr::video::IImage* shown = picture();
    bubble.visible = false;
    irr::video::IImage* hidden = picture();
    ASSERT_TRUE(nothing && waiting && shown && hidden);
    EXPECT_EQ(differingPixels(waiting, nothing), 0) << "not shown yet";
    EXPECT_GT(differingPixels(shown, nothing), 1000);
    EXPECT_EQ(differingPixels(hidden, nothing), 0);
    for (irr::video::IImage* image : {nothing, waiting, shown, hidden})
        image->drop();
}

TEST_F(GuiScreenshotTest, HintLineAtTheBottom) {
    const KeyWords words(gGameData->texts);
    const std::vector<std::wstring> hints = {words.withBoundKeys(gameText("HINT_STOREROOM"), gGameData->settings.keys),
                                             words.withBoundKeys(gameText("HINT_PICK_TRAY"), gGameData->settings.keys)};
    expectPicture("hint_line", [&] { HintLine::draw(hints); });
}

TEST_F(GuiScreenshotTest, BedQuestionWithAndWithoutTheWarningThatCustomersAreDue) {
    const auto choice = createBedChoice();
    expectPicture("choice_board", [&] { choice->draw(); });
    const auto warning = createBedChoice(true);
    expectPicture("bed_warning", [&] { warning->draw(); });
}

TEST_F(GuiScreenshotTest, HudAtNoon) {
    const FixedStatus status;
    HudElement hud(status);
    for (int frame = 0; frame < 3000; ++frame)
        hud.getMoneyCounter().stepTowards(status.money(), 16);
    expectPicture("hud_noon", [&] { hud.draw(); });
}

// Half-way through a step the wheel shows the digit it leaves and the one it rolls to: the next
// coming up from below, the previous coming down from above. 9 to 10 and 12 to 11, so that the
// wheel's wrap past 9 and a digit above 0 rolling back are both seen.
TEST_F(GuiScreenshotTest, MoneyWheelHalfWayUpAndDown) {
    const auto halfWay = [](int from, int to) {
        auto counter = std::make_unique<DigitCounter>(5, L'$');
        for (int frame = 0; frame < 200; ++frame)
            counter->stepTowards(from, 16);
        counter->stepTowards(to, 50);
        return counter;
    };
    const std::unique_ptr<DigitCounter> up = halfWay(9, 10);
    ASSERT_FLOAT_EQ(up->lowestDigit().getPhase(), 0.5f);
    expectPicture("money_rolling_up", [&] { up->draw(); });

    const std::unique_ptr<DigitCounter> down = halfWay(12, 11);
    ASSERT_FLOAT_EQ(down->lowestDigit().getPhase(), -0.5f);
    expectPicture("money_rolling_down", [&] { down->draw(); });
}
