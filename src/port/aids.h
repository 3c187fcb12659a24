#pragma once
// What the window shows around the classic drawing to help the player: whose
// turn it is, the squares of the last move, the picked piece, a status line
// and, after a double move, both squares of it. The controller hands the
// whole state over after each event; the window paints it over what the
// drawing procedures drew, never into it.

#include <string>
#include <utility>
#include <vector>

namespace bexoru {

struct 補助表示 {
    // The army to move: 1 the upper army, -1 the lower army, 0 no game.
    int 手番軍 = 0;
    // The squares the last move touched, (X, Y): its origin, the square a
    // double move passed through, its destination.
    std::vector<std::pair<int, int>> 最終手;
    // The picked piece's square, (0, 0) when none is picked.
    int 選択X = 0, 選択Y = 0;
    // One short line below the board: the turn, or why a click was refused.
    std::string 状態行;
    // After an army's double move, both of its squares ("７六獅→８五"),
    // shown under that army's last-move text; empty otherwise.
    std::string 上の二手, 下の二手;
    // The clocks of each army while a game runs: the line with the time
    // left (or used, without a time control), the time used below it when a
    // time control runs, and whether the army plays by byoyomi now.
    std::string 上の時計, 上の消費, 下の時計, 下の消費;
    bool 上の秒読み = false, 下の秒読み = false;

    bool operator==(const 補助表示&) const = default;
};

}  // namespace bexoru
