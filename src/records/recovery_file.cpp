#include "records/recovery_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <system_error>

#include "board/handicap.h"
#include "board/move_log.h"
#include "records/board_text.h"

namespace bexoru {

namespace {

namespace fs = std::filesystem;

// The keys of the state file, in the order they are written.
constexpr std::string_view 鍵々[] = {"turn",  "man",      "com",         "mode",     "moves",    "current", "entries",
                                     "level", "handicap", "handicapped", "reversed", "finished", "saved"};
constexpr std::string_view 盤の見出し = "board";
// Written only for a game under the standard rules.
constexpr std::string_view 規則の鍵 = "rules";
constexpr std::string_view 標準の値 = "standard";

std::optional<int> 整数(std::string_view t) {
    int v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc{} || end != t.data() + t.size()) return std::nullopt;
    return v;
}

bool 範囲内(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// The whole of a small file, or nothing when it is missing, unreadable or larger than the limit.
std::optional<std::string> 小さなファイル(const fs::path& path, std::size_t 上限) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(上限 + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > 上限) return std::nullopt;
    return bytes;
}

}  // namespace

fs::path 既定の回復フォルダ(const char* xdg_data_home, const char* home) {
    if (xdg_data_home != nullptr && xdg_data_home[0] == '/') return fs::path(xdg_data_home) / "bexoru";
    if (home != nullptr && home[0] == '/') return fs::path(home) / ".local" / "share" / "bexoru";
    return {};
}

std::string 回復棋譜テキスト(const std::vector<指し手>& 手々, ルール 規則) {
    std::string text = 棋譜見出し(規則);
    for (const 指し手& 手 : 手々) {
        text += 棋譜行(手);
        text += "\r\n";
    }
    return text;
}

std::string 回復状態テキスト(const 回復対局& 対局) {
    const int 値々[] = {対局.手番,
                        対局.MAN側,
                        対局.COM側,
                        対局.対局モード == 対局_COM ? 1 : 0,
                        対局.手数,
                        対局.記録数,
                        static_cast<int>(対局.手々.size()),
                        対局.レベル,
                        対局.ハンデレベル,
                        対局.ハンデ済 ? 1 : 0,
                        対局.反転済 ? 1 : 0,
                        対局.終局 ? 1 : 0,
                        対局.保存済 ? 1 : 0};
    std::string text = "# Bexoru: the game in hand, kept to be continued; its moves are in ";
    text += 回復棋譜名;
    text += "\n";
    for (std::size_t i = 0; i < std::size(鍵々); ++i) {
        text += 鍵々[i];
        text += '=';
        text += std::to_string(値々[i]);
        text += '\n';
    }
    if (対局.規則 == ルール::標準) {
        text += 規則の鍵;
        text += '=';
        text += 標準の値;
        text += '\n';
    }
    text += 盤の見出し;
    text += '\n';
    text += format_board_text(対局.盤面);
    return text;
}

std::optional<回復対局> 回復状態解析(std::string_view text) {
    std::map<std::string_view, int, std::less<>> 値;
    ルール 規則 = ルール::本来;
    bool 規則あり = false;
    std::size_t pos = 0;
    bool 盤まで来た = false;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view 行 = text.substr(pos, end - pos);
        pos = end + 1;
        if (!行.empty() && 行.back() == '\r') 行.remove_suffix(1);
        if (行.empty() || 行.front() == '#') continue;
        if (行 == 盤の見出し) {
            盤まで来た = true;
            break;
        }
        const std::size_t eq = 行.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        const std::string_view 鍵 = 行.substr(0, eq);
        if (鍵 == 規則の鍵) {
            if (規則あり || 行.substr(eq + 1) != 標準の値) return std::nullopt;
            規則あり = true;
            規則 = ルール::標準;
            continue;
        }
        if (std::find(std::begin(鍵々), std::end(鍵々), 鍵) == std::end(鍵々) || 値.contains(鍵)) return std::nullopt;
        const auto v = 整数(行.substr(eq + 1));
        if (!v) return std::nullopt;
        値.emplace(鍵, *v);
    }
    if (!盤まで来た || 値.size() != std::size(鍵々)) return std::nullopt;

    const BoardTextResult 盤 = parse_board_text(text.substr(std::min(pos, text.size())));
    if (!盤.ok()) return std::nullopt;

    回復対局 r;
    r.盤面 = 盤.board;
    r.手番 = 値["turn"];
    r.MAN側 = 値["man"];
    r.COM側 = 値["com"];
    r.手数 = 値["moves"];
    r.記録数 = 値["current"];
    r.レベル = 値["level"];
    r.ハンデレベル = 値["handicap"];
    // The game mode and the yes/no values are written as 0 and 1.
    const int モード = 値["mode"], ハンデ済 = 値["handicapped"], 反転済 = 値["reversed"];
    const int 終局 = 値["finished"], 保存済 = 値["saved"];
    const bool 正しい = 範囲内(r.手番, 後手, 先手) && 範囲内(r.MAN側, 後手, 先手) && 範囲内(r.COM側, 後手, 先手) &&
                        範囲内(モード, 0, 1) && 範囲内(r.手数, 0, 1'000'000) && 範囲内(r.記録数, 0, 記録最大) &&
                        範囲内(値["entries"], 0, 記録最大) && 範囲内(r.レベル, 1, 6) &&
                        範囲内(r.ハンデレベル, -ハンデ上限, ハンデ上限) && 範囲内(ハンデ済, 0, 1) &&
                        範囲内(反転済, 0, 1) && 範囲内(終局, 0, 1) && 範囲内(保存済, 0, 1);
    if (!正しい) return std::nullopt;
    r.対局モード = モード == 1 ? 対局_COM : 対局_MAN対MAN;
    r.ハンデ済 = ハンデ済 == 1;
    r.反転済 = 反転済 == 1;
    r.終局 = 終局 == 1;
    r.保存済 = 保存済 == 1;
    r.規則 = 規則;
    return r;
}

bool 回復記録書込(const fs::path& folder, const 回復対局& 対局, std::string& 理由) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec) {
            理由 = ec.message();
            return false;
        }
        // The games are the user's own business.
        ::chmod(folder.c_str(), 0700);
    }
    return 棋譜ファイル書込(folder / 回復棋譜名, 回復棋譜テキスト(対局.手々, 対局.規則), 理由) &&
           棋譜ファイル書込(folder / 回復状態名, 回復状態テキスト(対局), 理由);
}

std::optional<回復対局> 回復記録読込(const fs::path& folder) {
    if (folder.empty()) return std::nullopt;
    const auto text = 小さなファイル(folder / 回復状態名, 回復状態上限);
    if (!text) return std::nullopt;
    auto r = 回復状態解析(*text);
    if (!r) return std::nullopt;
    // The log is only parsed, not replayed: the position comes from the state,
    // and after a reversal the log no longer starts from the starting position.
    const auto bytes = 小さなファイル(folder / 回復棋譜名, 棋譜ファイル上限);
    if (!bytes) return std::nullopt;
    棋譜読込結果 棋譜 = 棋譜解析(*bytes);
    // A game may be kept before its first move (or after a reversal emptied the log).
    if (棋譜.不備 != 棋譜不備::なし && 棋譜.不備 != 棋譜不備::手がない) return std::nullopt;
    r->手々 = std::move(棋譜.手々);
    r->記録数 = std::min(r->記録数, static_cast<int>(r->手々.size()));
    return r;
}

void 回復記録消去(const fs::path& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    fs::remove(folder / 回復状態名, ec);
    fs::remove(folder / 回復棋譜名, ec);
}

}  // namespace bexoru
