#pragma once
// The computer's whole turn (com_ban): the thinking notice, the search, then
// the move played on the board, in the log and on the screen, its second
// step, the surveys of the new position, the announcements and the end of the
// game, and the turn handed back to the person.
//
// Everything the turn touches is passed in, so the window's application
// object only gathers its members; the command-line tool plays through the
// same code with a silent window.
//
// Three cases the original left open are settled here:
// - The log has no room for a double move (two entries): the computer does
//   not move. The refusal sound and 棋譜満杯_題 / 棋譜満杯_文 tell the player;
//   the turn stays with the computer, so the record can still be saved.
// - No computer piece has a legal move: 指し手なし_題 / 指し手なし_文 is shown
//   and the game ends with the person winning (終了("あなた")).
// - No legal square for the second step: the piece stays where its first
//   step put it, and the second step is not announced.
// And two faults are mended: the game also ends when the second step of a
// double move takes the person's last royal piece (the original looked at
// the first step's capture only, and play went on without a King); and a
// first step that takes it ends the game there, with no second step after it.

#include <functional>
#include <string_view>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "board/presentation.h"
#include "engine/influence_maps.h"
#include "engine/search.h"
#include "port/window_port.h"
#include "play/drawing.h"
#include "play/sound_module.h"

namespace bexoru {

inline constexpr std::string_view 思考中_文 = " 思考中";
inline constexpr std::string_view 二手目_題 = "二手移動";
inline constexpr std::string_view 二手目_文 = "二手目、移動します";
inline constexpr std::string_view 詰め_題 = "詰め ?";
inline constexpr std::string_view 詰め_文 = "よし！!";
inline constexpr std::string_view 駒枯れ_題 = "終局";
inline constexpr std::string_view 駒枯れ_文 = "駒枯れになりました";
inline constexpr std::string_view 王手_文 = "   ** 王手 **";
inline constexpr std::string_view 王手太子_文 = "   ** 王手(太子) **";
inline constexpr std::string_view 指し手なし_題 = "終局";
inline constexpr std::string_view 指し手なし_文 = "ｺﾝﾋﾟｭｰﾀには指せる手がありません";

// The results passed to 終了.
inline constexpr std::string_view 結果_COM勝ち = "ｺﾝﾋﾟｭｰﾀ";
inline constexpr std::string_view 結果_MAN勝ち = "あなた";
inline constexpr std::string_view 結果_引き分け = "引き分け";

struct com_ban文脈 {
    盤面型& 盤面;
    棋譜記録& 記録;
    対局状態& 状態;
    // The maps and royal squares the surveys after the person's move left.
    COM勢力図& com;
    MAN勢力図& man;
    描画器& 描画;
    const 表示設定& 表示;
    音モジュール& 音;
    WindowPort& port;
    // Announces the result and offers a new game (the game-end procedure).
    std::function<void(std::string_view 結果)> 終了;
    // Counts the pieces of each army: the person's (negative codes), the computer's.
    std::function<void(int& O_MAN駒数, int& O_COM駒数)> 調査_駒数;
};

// The computer's whole turn. Precondition: a game against the computer runs,
// it is the computer's turn, no second step is pending, and com and man are
// the maps of the position.
void com_ban実行(com_ban文脈& c);

// The turn after the search: plays r (or ends the game when it holds no
// move), announces, and hands the turn back. com_ban実行 is the room check,
// the thinking notice, com探索 and this.
void com_ban着手(com_ban文脈& c, const 探索結果& r);

}  // namespace bexoru
