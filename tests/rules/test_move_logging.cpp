#include <gtest/gtest.h>

#include "board/game_state.h"
#include "rules/move_logging.h"

namespace bexoru {
namespace {

struct 記録の例 {
    const char* name;
    int x1, y1, x2, y2;
    駒コード before, after, on_destination;
};

TEST(MoveLog, EachSaveAppendsOneEntryReadingTheCaptureFromTheBoard) {
    const 記録の例 cases[] = {
        {"upper 龍 takes a lower 銀", 5, 3, 5, 7, 17, 17, -9},
        {"lower 歩 promotes on row 1", 5, 2, 5, 1, -1, -2, 空},
        {"lower 麒 promotes taking an upper 金", 6, 5, 6, 4, -32, -33, 13},
        {"a second step repeated over the mover itself", 6, 6, 6, 7, 34, 34, 34},
    };
    盤面型 盤面{};
    棋譜記録 記録{};
    int n = 0;
    for (const auto& e : cases) {
        盤面(e.x2, e.y2) = e.on_destination;
        ASSERT_TRUE(手順保存(盤面, 記録, e.x1, e.y1, e.x2, e.y2, e.before, e.after)) << e.name;
        ++n;
        const auto i = static_cast<std::size_t>(n);
        EXPECT_EQ(記録.記録数, n) << e.name;
        EXPECT_EQ(記録.記録終端, n) << e.name;
        const int got[] = {記録.手[i].移動元X, 記録.手[i].移動元Y, 記録.手[i].移動先X, 記録.手[i].移動先Y,
                           記録.手[i].移動駒,  記録.手[i].成駒,    記録.手[i].取駒};
        const int want[] = {e.x1, e.y1, e.x2, e.y2, e.before, e.after, e.on_destination};
        for (int k = 0; k < 7; ++k) EXPECT_EQ(got[k], want[k]) << e.name << ", array " << k;
    }
    EXPECT_EQ(記録.手[0].移動駒, 0) << "entry 0 is never saved into";
}

TEST(MoveLog, TheCaptureIsWhatStoodThereWhenSaved) {
    盤面型 盤面{};
    棋譜記録 記録{};
    盤面(5, 7) = -9;
    盤面(5, 3) = 17;
    手順保存(盤面, 記録, 5, 3, 5, 7, 17, 17);
    EXPECT_EQ(記録.手[1].取駒, -9);
    // The same move saved after the board was changed records the mover as captured.
    盤面(5, 7) = 17;
    盤面(5, 3) = 空;
    手順保存(盤面, 記録, 5, 3, 5, 7, 17, 17);
    EXPECT_EQ(記録.手[2].取駒, 17);
}

TEST(MoveLog, SavingAfterReplayWentBackCutsTheRecordThere) {
    盤面型 盤面{};
    棋譜記録 記録{};
    for (int k = 0; k < 5; ++k) 手順保存(盤面, 記録, 1, 1, 1, 2, 3, 3);
    記録.記録数 = 2;
    手順保存(盤面, 記録, 6, 6, 6, 7, 1, 1);
    EXPECT_EQ(記録.記録数, 3);
    EXPECT_EQ(記録.記録終端, 3);
    EXPECT_EQ(記録.手[3].移動元X, 6);
}

TEST(MoveLog, AFullLogRefusesTheStepAndStaysAsItWas) {
    盤面型 盤面{};
    棋譜記録 記録{};
    for (int k = 1; k <= 記録最大; ++k) {
        ASSERT_EQ(記録余地(記録), 記録最大 - k + 1);
        ASSERT_TRUE(手順保存(盤面, 記録, 1, 1, 1, 2, k, k)) << "entry " << k;
    }
    EXPECT_EQ(記録.記録数, 記録最大);
    EXPECT_EQ(記録.手[記録最大].移動駒, 記録最大) << "the last entry is the log's last";
    EXPECT_EQ(記録余地(記録), 0);
    const 棋譜記録 before = 記録;
    EXPECT_FALSE(手順保存(盤面, 記録, 2, 2, 2, 3, 7, 7));
    const auto same = [](const 棋譜記録& a, const 棋譜記録& b) {
        return a.手 == b.手 && a.記録数 == b.記録数 && a.記録終端 == b.記録終端;
    };
    EXPECT_TRUE(same(記録, before)) << "a refused step changes nothing";

    記録.記録数 = 記録最大 + 7;  // however it got there, nothing is written past the last entry
    EXPECT_EQ(記録余地(記録), 0);
    EXPECT_FALSE(手順保存(盤面, 記録, 2, 2, 2, 3, 7, 7));
    記録.記録数 = -3;
    EXPECT_FALSE(手順保存(盤面, 記録, 2, 2, 2, 3, 7, 7));
}

}  // namespace
}  // namespace bexoru
