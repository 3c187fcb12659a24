#pragma once
// Where the program keeps its files, decided once at start.
//
// - The start folder (起動フォルダ) is the program's data folder: the help
//   page "Bexoru.htm" and the four wave files. A game run where it was built
//   has them beside its executable; an installed one in <prefix>/share/bexoru.
//   The folder the program happens to be started from plays no part.
// - Bexoru.ini lives in the user's configuration folder
//   ($XDG_CONFIG_HOME/bexoru, else ~/.config/bexoru). While the user has none,
//   a Bexoru.ini in the start folder is read (the layout of the Windows
//   program, or defaults put there by whoever installed the game) and the
//   user's file is created from it; the start folder's file is never written.
// - The record panel opens in the start folder of a built game when it can
//   be written; an installed game (or a folder that cannot be written) offers
//   the user's documents folder, else the home folder.
//
// The choices are pure functions of the places involved and of a test for
// whether a path is there (or writable), so they can be checked without
// touching the disk.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bexoru {

using パス判定 = std::function<bool(const std::filesystem::path&)>;

// The files a data folder holds; a folder with any of them is one.
inline constexpr std::array<std::string_view, 4> 音ファイル名 = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
inline constexpr std::string_view ヘルプファイル名 = "Bexoru.htm";

// The folders that may hold the data, in the order they are tried: the
// program's own folder, the data folder reached from it by the relative path
// from the installed bin folder to the installed data folder (an installed
// game, wherever its prefix was moved), and the data folder it was built to
// be installed in. Empty entries are left out, duplicates kept once.
std::vector<std::filesystem::path> データフォルダ候補(const std::filesystem::path& プログラムのフォルダ,
                                                      const std::filesystem::path& binからdataへ,
                                                      const std::filesystem::path& 導入先データフォルダ);

struct データの置き場所 {
    std::filesystem::path フォルダ;
    bool 導入済 = false;  // the data is not beside the program: an installed game
};

// The first candidate holding the help page or a wave file. When none does,
// the first candidate (the program's own folder), so that what is missing is
// reported against the place a built game looks in.
データの置き場所 データフォルダを選ぶ(const std::vector<std::filesystem::path>& 候補, const パス判定& 有る);

// The wave files the folder lacks, in loading order.
std::vector<std::string> 足りない音ファイル(const std::filesystem::path& フォルダ, const パス判定& 有る);

// The one-line notice for missing wave files; empty when none is missing.
std::string 音ファイルの知らせ(const std::vector<std::string>& 足りない, const std::filesystem::path& フォルダ);

// $XDG_CONFIG_HOME/bexoru when that is an absolute path, else
// $HOME/.config/bexoru; empty when neither is usable.
std::filesystem::path 利用者設定フォルダ(const char* xdg_config_home, const char* home);

struct 環境設定の置き場所 {
    std::filesystem::path 読む;  // read at start
    std::filesystem::path 書く;  // written at start when missing, and on every toggle
};

// Which Bexoru.ini is read and which is written:
// - the user's file, when it exists, for both;
// - else the start folder's file is read and the user's file written;
// - else the user's file for both (created with the defaults).
// Without a user folder (no HOME) the start folder's file is used for both.
環境設定の置き場所 環境設定ファイルを選ぶ(const std::filesystem::path& 利用者設定フォルダ,
                                          const std::filesystem::path& 起動フォルダ, const パス判定& 有る);

// The folder the record panel opens in: the start folder of a built game
// when it can be written, else the documents folder, else the home folder,
// each when it can be written; the start folder when nothing can.
std::filesystem::path 棋譜フォルダを選ぶ(const データの置き場所& データ, const std::filesystem::path& 文書フォルダ,
                                         const std::filesystem::path& ホーム, const パス判定& 書ける);

}  // namespace bexoru
