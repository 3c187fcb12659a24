#pragma once
// The recovery record: the game in hand, kept in the user's data folder after
// every move so that a crash or a closed window does not lose it. Two files:
//
//   前回の対局.棋譜    the move log, an ordinary record (the record reader, and
//                      the 読込 panel, take it as it is)
//   前回の対局.状態    what a record cannot hold: the position on the board,
//                      whose turn it is, the game mode and sides, the move
//                      number, the level and the flags, as "key=value" lines
//                      followed by the board text; "rules=standard" is
//                      written only for a game under the standard rules (a
//                      file without the line is a game under the game's own)
//
// Each is written to a temporary file in the folder and renamed over the old
// one, the record first. A crash between the two renames leaves a state one
// step older than the record; the record then begins with the state's log and
// only adds the newest entries, so the state's position is restored with those
// entries left for 進 (the number of entries on the board is never taken
// beyond the record's).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "records/record_file.h"

namespace bexoru {

inline constexpr std::string_view 回復棋譜名 = "前回の対局.棋譜";
inline constexpr std::string_view 回復状態名 = "前回の対局.状態";
// The state file is a few hundred bytes; anything much larger is not ours.
inline constexpr std::size_t 回復状態上限 = 64 * 1024;

struct 回復対局 {
    盤面型 盤面{};
    std::vector<指し手> 手々;  // entries 1..記録終端 of the log
    int 記録数 = 0;            // the entries on the board
    int 手番 = 未対局;
    int MAN側 = 未対局;
    int COM側 = 未対局;
    対局モード型 対局モード = 対局_MAN対MAN;
    int 手数 = 0;
    int レベル = 3;
    int ハンデレベル = 0;
    bool ハンデ済 = false;
    bool 反転済 = false;
    bool 終局 = false;           // the game has ended; it is kept only to be saved
    bool 保存済 = false;         // its record was saved or loaded as it stands
    ルール 規則 = ルール::本来;  // the rule set the game is played by
};

// Where the records are kept: $XDG_DATA_HOME/bexoru, or ~/.local/share/bexoru
// when XDG_DATA_HOME is unset, empty or not an absolute path. Empty when
// neither is known (no recovery record is kept then).
std::filesystem::path 既定の回復フォルダ(const char* xdg_data_home, const char* home);

// The record text of the entries: the header lines (the standard rules'
// marker, or empty) and one line per entry, as the record writer makes it.
std::string 回復棋譜テキスト(const std::vector<指し手>& 手々, ルール 規則 = ルール::本来);
// The state file's text, and its reading (without the log: 手々 stays empty).
std::string 回復状態テキスト(const 回復対局& 対局);
std::optional<回復対局> 回復状態解析(std::string_view text);

// Writes both files into the folder, creating it when needed (readable by the
// user only). On failure the reason is in 理由.
bool 回復記録書込(const std::filesystem::path& folder, const 回復対局& 対局, std::string& 理由);
// The game kept in the folder; nothing when either file is missing or not
// what this program writes.
std::optional<回復対局> 回復記録読込(const std::filesystem::path& folder);
// Removes both files (the state first); missing files are no error.
void 回復記録消去(const std::filesystem::path& folder);

}  // namespace bexoru
