#pragma once
// The settings file "Bexoru.ini": move guidance, background music, the
// computer's level, the move list and the player's aids, one "key=value"
// line each, kept in the user's
// configuration folder (settings/locations.h says which file is read and
// which written).
//
// Reading is forgiving: lines without "=", empty lines and unknown keys are
// passed over, and a key standing twice takes its later value. An option is on
// only when the file says "ON" for it: a file without a "BGM" line leaves the
// music off. The level ("COMレベル", 1 to 6) is 3 when the file does not name
// it or names anything else. The move list ("棋譜一覧") and the player's aids
// ("補助表示") are on unless the file says "OFF" for them. The time control
// ("持ち時間=M+B": main time and byoyomi in seconds) is none unless the file
// names a sound one; it is written only when one is chosen. The rule set ("ルール") is the standard rules only when the file
// says "標準"; anything else, or no line, is the game's own rules, and the
// line is written only for the standard rules. Only a missing or unreadable
// file gives the defaults. The key
// "移動指導" is recognised in UTF-8 and in Shift-JIS (files written by the
// Windows program). Writing replaces the file in one step: the text goes to a
// temporary file of an unforeseeable name created in the same folder (never
// through a link planted there), which is then renamed over the old one, so a
// failed write never leaves a half-written or empty file behind.

#include <filesystem>
#include <string>
#include <string_view>

namespace bexoru {

inline constexpr std::string_view 環境設定ファイル名 = "Bexoru.ini";

// The levels the file may name; any other value reads as 既定レベル.
inline constexpr int 最低レベル = 1;
inline constexpr int 最高設定レベル = 6;
inline constexpr int 既定レベル = 3;
// The longest main time and byoyomi the file may name, in seconds.
inline constexpr int 最長持ち時間 = 10 * 3600;
inline constexpr int 最長秒読み = 3600;

struct 環境設定 {
    bool 移動指導 = false;
    bool BGM = true;
    int COMレベル = 既定レベル;
    bool 棋譜一覧 = true;
    bool 補助表示 = true;
    // The window's texts in English ("English=ON"); Japanese otherwise.
    bool 英語 = false;
    // The time control of the next game, in seconds; both 0: none.
    int 持ち時間 = 0;
    int 秒読み = 0;
    bool 標準ルール = false;  // new games are played by the standard rules
    friend bool operator==(const 環境設定&, const 環境設定&) = default;
};

struct 環境設定読込結果 {
    環境設定 設定;          // what the file says, defaults where it is silent
    bool 存在 = false;      // the file was there
    bool 読込成功 = false;  // it was there and could be read
};

// Reads the settings from the file. A missing or unreadable file gives the defaults.
環境設定読込結果 環境設定を読む(const std::filesystem::path& file);

// What a settings file that was read says: its text as read (at most the
// first 64 KiB of the file), a UTF-8 byte-order mark allowed.
環境設定 環境設定を解釈(std::string_view 全文);

// The file's text for these settings: "移動指導=ON|OFF", "BGM=ON|OFF",
// "COMレベル=N", "棋譜一覧=ON|OFF" and "補助表示=ON|OFF", each ending CR LF,
// then "English=ON" only while English is chosen, "持ち時間=M+B" only when a
// time control is chosen and "ルール=標準" only under the standard rules, so a
// file of a player who never chose any of them stays as it always was.
std::string 環境設定の文(const 環境設定& 設定);

// Writes the settings through a temporary file renamed over the old one.
// false when it could not be written; the old file is then left as it was.
bool 環境設定を書く(const std::filesystem::path& file, const 環境設定& 設定);

}  // namespace bexoru
