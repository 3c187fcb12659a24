// The recording fake is what every headless test trusts; a mistake in it
// would hide faults everywhere else.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/recording_port.h"

namespace bexoru::test {
namespace {

TEST(RecordingPort, AnswersScriptedQuestionsInOrder) {
    RecordingPort port;
    port.answerNext("続けますか？", true);
    port.answerNext("もう一手移動しますか？", false);
    EXPECT_TRUE(port.askYesNo("再ゲーム", "続けますか？"));
    EXPECT_FALSE(port.askYesNo("2手目", "もう一手移動しますか？"));
    const auto qs = port.of(Call::Question);
    ASSERT_EQ(qs.size(), 2u);
    EXPECT_EQ(qs[0].title, "再ゲーム");
    EXPECT_TRUE(qs[0].flag);
    EXPECT_FALSE(qs[1].flag);
}

TEST(RecordingPort, UnexpectedOrDifferentQuestionsFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingPort port;
            EXPECT_FALSE(port.askYesNo("再ゲーム", "続けますか？"));
        },
        "unexpected question");
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingPort port;
            port.answerNext("続けますか？", true);
            port.askYesNo("2手目", "もう一手移動しますか？");
        },
        "a different question came");
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingPort port;
            port.answerNext("続けますか？", true);
        },
        "was never asked");
}

TEST(RecordingPort, KeepsDrawingCallsWithPositions) {
    RecordingPort port;
    port.printText(7156, 2700, "６五歩", 12, 15);
    port.fillBox(1, 2, 3, 4, 2);
    port.messageBox("開始", "「対局」で始めて下さい", false);
    port.setMenuChecked("SIDOU", true);
    port.setPanelVisible(PanelControl::File1, true);
    EXPECT_TRUE(port.printedAt("６五歩", 7156.4, 2700));
    EXPECT_FALSE(port.printedAt("６五歩", 7158, 2700));
    EXPECT_FALSE(port.printedAt("五歩", 7156, 2700));
    EXPECT_EQ(port.messages(), std::vector<std::string>{"開始|「対局」で始めて下さい"});
    EXPECT_TRUE(port.isMenuChecked("SIDOU"));
    EXPECT_FALSE(port.isMenuChecked("BGM"));
    EXPECT_TRUE(port.panelVisible[PanelControl::File1]);
    ASSERT_EQ(port.calls.size(), 5u);
    EXPECT_EQ(port.calls[1].kind, Call::Fill);
    EXPECT_EQ(port.calls[1].h, 4);
}

TEST(FakeSound, CountsPlaysAndIgnoresEmptyData) {
    FakeSound sound;
    const std::uint8_t bytes[] = {'R', 'I', 'F', 'F', 0};
    const auto h = sound.dsCreateDSB(1, bytes, sizeof bytes, 3);
    EXPECT_NE(h, 0);
    EXPECT_EQ(sound.dsCreateDSB(0, bytes, sizeof bytes, 3), 0) << "no device, no sound";
    EXPECT_EQ(sound.dsCreateDSB(1, nullptr, 0, 3), 0);
    sound.dsPlay(h);
    sound.dsPlay(h);
    sound.dsPlay(0);
    EXPECT_EQ(sound.plays(h), 2);
    EXPECT_EQ(sound.created[h].head, "RIFF");
}

}  // namespace
}  // namespace bexoru::test
