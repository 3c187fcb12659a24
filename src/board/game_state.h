#pragma once
// Turn tokens, flags and the per-game state shared by the play, rules and
// computer subsystems.

#include "board/piece.h"

namespace bexoru {

// Turn tokens: the role that moves first holds 先手. The negative (lower) army
// moves when 手番 = MAN側, the positive (upper) army when 手番 = COM側.
inline constexpr int 未対局 = 0;
inline constexpr int 先手 = +1;
inline constexpr int 後手 = -1;

// The rule set a game is played by: the game's own rules, or the standard
// rules of today's Chu Shogi players (docs/rules.md). Fixed once a game starts.
enum class ルール { 本来, 標準 };

// Who plays: two people at one board, or a person against the computer.
enum class 対局モード型 { 対局_MAN対MAN, 対局_COM };
using enum 対局モード型;

// Whether the next destination click is a whole move (or a double mover's
// first step) or the second step of a double move.
enum class 二手目状態型 { 一手目 = 1, 二手目 = 2 };

// The mouse handler's stage of a move: waiting for a piece to be selected,
// or a piece is selected and waits for its destination.
enum class クリック段階型 { 駒選択 = 0, 行き先選択 = 1 };

// Move help: off; waiting for the piece to demonstrate; the piece waits for
// its move; the move is shown and the next click ends the help.
enum class 移動ヘルプ型 { 切 = 0, 駒待ち = 1, 移動待ち = 2, 移動済 = 3 };

inline constexpr int 左ボタン = 1;
inline constexpr int 右ボタン = 2;

struct 対局状態 {
    int 手番 = 未対局;
    int MAN側 = 未対局;                       // unset until a game starts
    int COM側 = 未対局;                       // unset until a game starts
    対局モード型 対局モード = 対局_MAN対MAN;  // unset until a game starts
    クリック段階型 クリック段階 = クリック段階型::駒選択;
    二手目状態型 二手目状態 = 二手目状態型::一手目;
    bool 再開確認 = false;  // announce the turn on the next board click
    int 手数 = 0;           // move number shown on screen
    bool 再生中 = false;    // a game record is being replayed
    移動ヘルプ型 移動ヘルプ = 移動ヘルプ型::切;
    int レベル = 3;          // the computer's strength, 1..3
    int ハンデレベル = 0;    // handicap grade
    bool ハンデ済 = false;   // a handicap grade was applied since the last new game
    bool 反転済 = false;     // the board was reversed since the last new game
    駒コード 成駒結果 = 空;  // the code a promoting piece becomes
    ルール 規則 = ルール::本来;  // the rule set the move check, promotion and game end follow
};

// What the mouse handler remembers between the clicks of one move.
struct 入力状態 {
    int 移動元X = 0;
    int 移動元Y = 0;
    int 移動先X = 0;
    int 移動先Y = 0;
    駒コード 移動駒 = 空;    // the selected piece; replaced by 成駒結果 when the person promotes
    駒コード 二手目駒 = 空;  // code asked about for the second step (may be a pseudo code)
};

}  // namespace bexoru
