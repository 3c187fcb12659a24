#pragma once
// The texts of the computer's turn (Form1::com_ban, com_turn.cpp): the
// thinking notice, the second-step notice, and the announcements after its
// move, with the results it hands to the game end.
//
// Three cases the original left open are settled there:
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

#include <string>
#include <string_view>

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

// The ends of a game under the standard rules, after either side's move: an
// army left with nothing but royal pieces loses, and so does the side whose
// move brings the same position (and side to move) about for the fourth time.
inline constexpr std::string_view 裸王_題 = "終局";
inline constexpr std::string_view 裸王_文 = "裸王になりました";
inline constexpr std::string_view 千日手_題 = "終局";
inline constexpr std::string_view 千日手_文 = "千日手になりました";
inline constexpr int 千日手の回数 = 4;

// Levels 4 to 6 think off the window thread. A command that would change the
// game while the computer thinks is refused with this message; Escape stops
// the thinking and says so.
inline constexpr std::string_view 思考中_題 = "思考中";
inline constexpr std::string_view 思考中拒否_文 = "ｺﾝﾋﾟｭｰﾀが考えています。Escで止められます";
inline constexpr std::string_view 中断_題 = "中断";
inline constexpr std::string_view 中断_文 = "ｺﾝﾋﾟｭｰﾀの思考を止めました。盤をクリックすると考え直します";

// The results passed to 終了.
inline constexpr std::string_view 結果_COM勝ち = "ｺﾝﾋﾟｭｰﾀ";
inline constexpr std::string_view 結果_MAN勝ち = "あなた";
inline constexpr std::string_view 結果_引き分け = "引き分け";

// What the game-end box says for a result passed to 終了: "引き分けです" for a
// draw, otherwise the winner's name and "の勝ちです".
std::string 結果の文(std::string_view 結果);

}  // namespace bexoru
