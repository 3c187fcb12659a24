#pragma once
// The record file (棋譜): three header lines, then one 17-character line per
// move-log entry, every line ended by CR LF:
//
//   columns 1-2 移動元X, 3-4 移動元Y, 5-6 移動先X, 7-8 移動先Y,
//   9-11 成駒, 12-14 移動駒, 15-17 取駒 (the fields of the entry's 指し手)
//
// each number right-aligned in its field with spaces. Files of the Windows
// program are Shift-JIS; ours are UTF-8 (the entries are ASCII either way).
//
// Everything here is pure except the two file functions at the end.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move.h"
#include "board/move_log.h"

namespace bexoru {

inline constexpr std::string_view 棋譜拡張子 = ".棋譜";
// A record can never be this long (3 header lines and 記録最大 entries of 19
// bytes); a larger file is not read at all.
inline constexpr std::size_t 棋譜ファイル上限 = 1 << 20;

// A game played under the standard rules is written with this text as its
// first header line. Readers that know nothing of it take it as any header
// (a title they show or pass over); ours read the game under those rules.
inline constexpr std::string_view 標準ルール見出し = "標準ルール";

// The 17-character line of one entry (no line end).
std::string 棋譜行(const 指し手& 手);
// The three header lines: empty, or the standard rules' marker first.
std::string 棋譜見出し(ルール 規則);
// The whole file: the header lines, then entries 1..記録終端.
std::string 棋譜テキスト(const 棋譜記録& 記録, ルール 規則 = ルール::本来);

// Why a file was not taken.
enum class 棋譜不備 {
    なし,
    開けない,      // missing, unreadable, a folder
    大きすぎる,    // larger than 棋譜ファイル上限
    文書でない,    // holds NUL bytes or other control characters: not a text file
    見出しがない,  // its first lines are entries: the three header lines are missing
    手がない,      // no entry, or blank lines only
    多すぎる,      // more than 記録最大 entries
    値が不正,      // a line that is no entry, or a column, row or piece code the board cannot hold
    // Found by replaying the record (棋譜照合, record_check.h):
    移動元が違う,  // the origin does not hold the piece the entry names
    取駒が違う,    // the destination does not hold what the entry says was captured
    指せない手,    // the rules do not allow the step
    成りが違う,    // a promotion the rules do not allow, or a 歩 or 香 left unpromoted on its last row
};

struct 棋譜読込結果 {
    棋譜不備 不備 = 棋譜不備::なし;
    int 不備行 = 0;                       // line number (1-based) of the entry at fault
    std::array<std::string, 3> 見出し{};  // header lines, as UTF-8
    std::vector<指し手> 手々;             // entries 1..n
};

// The numeric value of a field as the reader sees it: spaces ignored, an
// optional sign and the digits that follow; blank or no number is 0, and
// anything after the number is ignored.
int 欄の値(std::string_view 欄);
// One entry line cut into its seven fields; a short line reads as zeros.
指し手 棋譜行解析(std::string_view 行);
// The text of a line as UTF-8: taken as it is when it is valid UTF-8 (a
// byte-order mark dropped), else decoded from Shift-JIS (Windows code page 932).
std::string 文字列復号(std::string_view 行);
// Splits the bytes into lines (CR LF, LF or CR ends a line; a last line
// without an end counts too), takes the first three as headers and the rest
// as entries. Blank lines are all-zero entries; blank lines past the last
// entry the log can hold are dropped, any other line there makes the file 多すぎる.
// An entry line holds only digits, signs, spaces and tabs in its 17 columns
// (what follows them is ignored); a header line that reads as a step between
// two squares means the headers are missing. A file of blank entries only has
// no entries (手がない). The board is not consulted.
棋譜読込結果 棋譜解析(std::string_view bytes);

// The rule set a record was played under: the standard rules when one of its
// header lines is 標準ルール見出し, the game's own rules otherwise.
ルール 棋譜の規則(const 棋譜読込結果& 結果);

// Reads a file whole, refusing one larger than 棋譜ファイル上限 (不備 set, 手々
// empty), then parses it and checks it against the board (棋譜照合) under the
// rules it names (棋譜の規則).
// 規則, when given, takes the place of the rules the record names.
棋譜読込結果 棋譜ファイル読込(const std::filesystem::path& path, std::optional<ルール> 規則 = std::nullopt);

// What stands at the path a record is to be written to.
enum class 既存棋譜 {
    ない,
    ある,            // a file that may be replaced
    書込禁止,        // a file that is write-protected (or that we may not write)
    ファイルでない,  // a folder or anything else that is no plain file
};
既存棋譜 既存棋譜の有無(const std::filesystem::path& path);

// Writes the text to a temporary file beside the path and renames it over the
// path, so an existing file is replaced only by a complete new one. On failure
// nothing at the path has changed and the reason is in 理由. A path holding a
// NUL is refused, and so is a write-protected file: the rename would replace
// it, since only the folder's permission counts for that.
bool 棋譜ファイル書込(const std::filesystem::path& path, std::string_view text, std::string& 理由);

}  // namespace bexoru
