// Speech bubbles in the running game: a customer's greeting hangs over them until the baker comes
// within hearing, typed as it is drawn; closing a choice also closes the baker's own bubble.
#include "InGame.h"

#include "src_lumo/Events/CloseChoiceEvent.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/VisualSpeechBubble.h"

using irr::core::vector3df;

TEST_F(InGame, ACustomersGreetingStaysUntilTheBakerComesNear) {
    world().customers->buildDailySchedule(0.0f, world().day);
    placeHero(Lumo::LumoVisual::kBedSpot);
    const int minute = world().minuteOfDay;
    const std::shared_ptr<Lumo::CharNode> customer =
        visual().spawnCustomer({world().customers->townsfolk().at(5), minute}, minute);
    ASSERT_TRUE(customer);
    play->runFrames(450, 10); // the greeting waits four seconds of short frames
    ASSERT_TRUE(customer->hasSpeechBubble()) << "no bubble: the factory is not installed";
    placeHero(customer->getNode()->getPosition() + vector3df(0, 0, -20));
    play->runFrames(2, 10);
    EXPECT_FALSE(customer->hasSpeechBubble());
}

TEST_F(InGame, ClosingAChoiceClosesTheBakersBubble) {
    const std::shared_ptr<Lumo::CharNode> hero = visual().getHero();
    hero->showSpeechBubble(L"hmm", Lumo::VisualTextBoxBubble::kNoRange);
    ASSERT_TRUE(hero->hasSpeechBubble());
    trigger(Lumo::CloseChoiceEvent());
    EXPECT_FALSE(hero->hasSpeechBubble());
}

TEST_F(InGame, ABubbleTypesOneLetterEveryThirtyMillisecondsDrawnOnceAFrame) {
    play->runFrames(1, 15);
    Lumo::VisualSpeechBubble bubble(vector3df(815, 25, 560));
    bubble.addPage(L"hi!");
    bubble.show();
    for (int frame = 0; frame < 5; ++frame)
        bubble.draw();
    EXPECT_FALSE(bubble.getBox().isPageComplete()) << "75 ms type two letters and a half";
    bubble.draw();
    EXPECT_TRUE(bubble.getBox().isPageComplete()) << "three letters take six frames of 15 ms";
}

TEST_F(InGame, ABubbleHasAPlaceOnScreenOnlyInFrontOfTheCamera) {
    irr::scene::ICameraSceneNode* camera = visual().getCamera();
    camera->updateAbsolutePosition();
    const vector3df eye = camera->getAbsolutePosition();
    const vector3df ahead = camera->getTarget() - eye;
    const auto project = Lumo::VisualTextBoxBubble::cameraProjector(camera);
    irr::core::vector2df units;
    ASSERT_TRUE(project(eye + ahead, units));
    EXPECT_NEAR(320.0f, units.X, 1.0f) << "what the camera looks at is in the middle";
    EXPECT_NEAR(180.0f, units.Y, 1.0f);
    EXPECT_FALSE(project(eye - ahead, units));
    EXPECT_FALSE(project(eye, units));
    EXPECT_FALSE(Lumo::VisualTextBoxBubble::cameraProjector(nullptr)(eye + ahead, units));
}
