#pragma once
// Keeping the game in hand from being lost. Its state lives in Form1 (保全);
// the procedures are Form1's members in recovery.cpp:
//
// - After every move (the person's, the computer's, 戻 and 進, a start
//   command, a reversal) the game is written to the recovery record in the
//   user's data folder; at the next start the player is asked whether to
//   continue it.
// - Before a command throws away moves that were never saved (the end of the
//   program, 最初, loading a record, a new game after a finished one) the
//   player is asked whether to discard them.
// - A game that has just ended is kept, to be saved with 書込, until the
//   next game starts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/recovery_file.h"

namespace bexoru {

inline constexpr std::string_view 未保存_題 = "対局";
inline constexpr std::string_view 未保存_文 = "保存されていない対局があります。破棄しますか？";
inline constexpr std::string_view 前回_題 = "対局";
inline constexpr std::string_view 前回_文 = "前回の対局を続けますか？";
inline constexpr std::string_view 前回終局_文 = "終局した対局です。「棋譜」→「書込」で保存できます";
inline constexpr std::string_view 回復書込失敗_題 = "棋譜";
inline constexpr std::string_view 回復書込失敗_文 = "対局を控えに書き込めません: ";

// What a command is about to throw away.
enum class 破棄対象 {
    対局,      // the game on the board
    終局控え,  // the game that ended, kept to be saved
    すべて,    // both
};

struct 対局保全 {
    // Where the recovery record is kept; empty: none is kept.
    std::filesystem::path フォルダ;
    // The record text of the game as it was last saved or loaded: the game
    // has unsaved moves while its log differs from it.
    std::string 保存済み棋譜;
    // The game that ended, until the next game starts or a record is loaded.
    std::optional<回復対局> 終局控え;
    // The two files' texts as last written, so an event that changed nothing
    // writes nothing.
    std::string 書いた内容;
    // The program is ending: nothing more is written.
    bool 終了した = false;
    // A failed write is reported once.
    bool 失敗を告げた = false;
};

}  // namespace bexoru
