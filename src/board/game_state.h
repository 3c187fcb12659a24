#pragma once
// Turn tokens, flags and the per-game state shared by the play, rules and
// computer subsystems.

#include "board/piece.h"

namespace bexoru {

inline constexpr int ON = 1;
inline constexpr int OFF = 0;

// Turn tokens: the role that moves first holds 先手. The negative (lower) army
// moves when 手番 = MAN側, the positive (upper) army when 手番 = COM側.
inline constexpr int 未対局 = 0;
inline constexpr int 先手 = +1;
inline constexpr int 後手 = -1;

inline constexpr int 対局_MAN対MAN = 0;
inline constexpr int 対局_COM = 1;

inline constexpr int 左ボタン = 1;
inline constexpr int 右ボタン = 2;

struct 対局状態 {
    int 手番 = 未対局;
    int MAN側 = 未対局;              // unset until a game starts
    int COM側 = 未対局;              // unset until a game starts
    int 対局モード = 対局_MAN対MAN;  // unset until a game starts
    int クリック段階 = 0;            // 0 waiting for a piece, 1 a piece is selected
    int 二手目状態 = 1;              // 2 while the second step of a double move is pending
    int 再開確認 = OFF;              // announce the turn on the next board click
    int 手数 = 0;                    // move number shown on screen
    int 再生中 = OFF;                // a game record is being replayed
    int 移動ヘルプ = 0;              // > 0 while move help is on
    int レベル = 3;                  // the computer's strength, 1..3
    int ハンデレベル = 0;            // handicap grade
    int ハンデ済 = OFF;              // a handicap grade was applied since the last new game
    int 反転済 = OFF;                // the board was reversed since the last new game
    駒コード 成駒結果 = 空;          // the code a promoting piece becomes
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
