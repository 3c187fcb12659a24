// The exchange items of the 棋譜 menu: the position on the board as SFEN to
// the clipboard, and the game written to or read from a USI or PGN file
// chosen in a file dialog. A game read is made into a record text and loaded
// as 読込 loads a record file, so it is checked the same way and stepped with
// 進 and 戻; the game on the board stays until the whole file has passed. A
// game read is checked under the standard rules, which other programs play
// by, and is played on under them.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/game.h"
#include "exchange/notation.h"
#include "exchange/pgn.h"
#include "exchange/usi.h"
#include "play/display_texts.h"
#include "play/form1.h"
#include "records/record_check.h"
#include "records/record_file.h"
#include "rules/move_check.h"

namespace bexoru {

namespace {

struct 交換形式 {
    std::string_view 書出題;
    std::string_view 読込題;
    std::string_view 拡張子;
    std::string_view 絞込;
};

constexpr 交換形式 USI形式{"USI書出", "USI読込", ".usi", "USI (*.usi *.txt);;すべてのﾌｧｲﾙ (*)"};
constexpr 交換形式 PGN形式{"PGN書出", "PGN読込", ".pgn", "PGN (*.pgn);;すべてのﾌｧｲﾙ (*)"};

const 交換形式& 形式(bool PGN) {
    return PGN ? PGN形式 : USI形式;
}

// The whole file, or nothing with the reason; a file larger than any record
// could be is not read.
std::optional<std::string> ファイル全体(const std::filesystem::path& path, std::string& 理由) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        理由 = "ﾌｧｲﾙを開けません";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(棋譜ファイル上限 + 1, '\0');
    if (in) in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) {
        理由 = "ﾌｧｲﾙを開けません";
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > 棋譜ファイル上限) {
        理由 = "ﾌｧｲﾙが大きすぎます";
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

void Form1::SFEN_COPY_Click() {
    exchange::Diagram 図{};
    図.board = 盤面;
    // Before a game both turn tokens are unset: the lower army is to move.
    const bool 上手番 = 状態.手番 != 未対局 && 状態.手番 == 状態.COM側;
    図.side = 上手番 ? exchange::upper_army : exchange::lower_army;
    図.move_number = 状態.手数 + 1;
    // Under the standard rules the square where the counter-strike binds, as the online site writes it.
    if (状態.規則 == ルール::標準) 図.lion_taken = 返し討ちの桝(記録, 図.side);
    const std::string sfen = exchange::to_sfen(図);
    port.copyText(sfen);
    port.messageBox("SFENｺﾋﾟｰ", "局面をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました\n" + sfen);
}

void Form1::USI_WRITE_Click() {
    交換書出(false);
}
void Form1::PGN_WRITE_Click() {
    交換書出(true);
}
void Form1::USI_READ_Click() {
    交換読込(false);
}
void Form1::PGN_READ_Click() {
    交換読込(true);
}

void Form1::交換書出(bool PGN) {
    const 交換形式& f = 形式(PGN);
    // The game that ended and is kept to be saved, as 書込 would save it.
    const std::optional<回復対局>& 控え = 保全.終局控え;
    const bool 終局した対局 = 記録.記録終端 <= 0 && 控え && !控え->手々.empty();
    if (記録.記録終端 <= 0 && !終局した対局) {
        port.messageBox(f.書出題, "書き出すデータがありません");
        return;
    }
    // Both formats start from the standard position as the log does; a
    // reversed or handicapped board is not that position.
    const bool 反転済 = 終局した対局 ? 控え->反転済 : 状態.反転済;
    const bool ハンデ済 = 終局した対局 ? 控え->ハンデ済 : 状態.ハンデ済;
    if (反転済 || ハンデ済) {
        拒否(f.書出題, 反転済 ? "反転後は書き出しできません" : "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き出しできません");
        return;
    }
    std::vector<指し手> 手々;
    if (終局した対局) {
        手々 = 控え->手々;
    } else {
        for (int n = 1; n <= 記録.記録終端; ++n) 手々.push_back(記録.手[static_cast<std::size_t>(n)]);
    }
    const ルール 規則 = 終局した対局 ? 控え->規則 : 状態.規則;
    const exchange::FromRecord 変換 = exchange::game_of_record(手々, 規則);
    if (!変換.result.ok()) {
        拒否(f.書出題, "棋譜を書き出せません: " + 変換.result.error->message);
        return;
    }
    const std::string text =
        PGN ? exchange::pgn_text(変換.result.game) : exchange::usi_game_text(変換.result.game);

    const std::optional<std::string> 選択 = port.chooseFile(FileDialog::Save, f.書出題, f.絞込);
    if (!選択 || 選択->empty()) return;
    std::filesystem::path 先(*選択);
    if (!先.has_extension()) 先 += std::string(f.拡張子);
    switch (既存棋譜の有無(先)) {
        case 既存棋譜::書込禁止:
            拒否(f.書出題, "同じ名前のﾌｧｲﾙは書き込み禁止のため上書きできません");
            return;
        case 既存棋譜::ある:
            if (!port.askYesNo(f.書出題, "同じ名前のﾌｧｲﾙがあります。上書きしますか？")) return;
            break;
        case 既存棋譜::ない:
        case 既存棋譜::ファイルでない:  // the writer refuses it with the reason
            break;
    }
    std::string 理由;
    if (!棋譜ファイル書込(先, text, 理由)) {
        拒否(f.書出題, "書き出せませんでした: " + 理由);
        return;
    }
    std::string 文 = "棋譜を書き出しました";
    // A declined second step is logged twice by the game; both formats have
    // one single move for it.
    if (変換.declined_second_steps > 0)
        文 += "\n(二手目を止めた手 " + std::to_string(変換.declined_second_steps) + " 手は一手として書きました)";
    port.messageBox(f.書出題, 文);
}

void Form1::交換読込(bool PGN) {
    const 交換形式& f = 形式(PGN);
    const std::optional<std::string> 選択 = port.chooseFile(FileDialog::Open, f.読込題, f.絞込);
    if (!選択 || 選択->empty()) return;

    // Everything is read and checked before the game on the board is touched.
    std::string 理由;
    const std::optional<std::string> bytes = ファイル全体(std::filesystem::path(*選択), 理由);
    if (!bytes) {
        拒否(f.読込題, 理由);
        return;
    }
    // Other programs play by the standard rules: their games are checked,
    // and played on, under them.
    constexpr ルール 規則 = ルール::標準;
    const exchange::GameResult 読んだ =
        PGN ? exchange::parse_pgn(*bytes, 規則) : exchange::parse_usi_game(*bytes, 規則);
    if (!読んだ.ok()) {
        拒否(f.読込題, "読み込めません (" + std::string(規則名_標準) + "): " + 読んだ.error->message);
        return;
    }
    if (読んだ.game.start.board != exchange::start_diagram().board) {
        拒否(f.読込題, "初形から始まらない対局は読み込めません:\n" + exchange::to_sfen(読んだ.game.start));
        return;
    }
    if (読んだ.game.moves.empty()) {
        port.messageBox(f.読込題, "ﾌｧｲﾙに指し手がありません");
        return;
    }
    const exchange::RecordText 記録文 = exchange::record_of_game(読んだ.game, 規則);
    if (記録文.error) {
        拒否(f.読込題, "棋譜にできません: " + *記録文.error);
        return;
    }
    // The record reader and its replay check once more, as for 読込.
    棋譜読込結果 結果 = 棋譜解析(記録文.text);
    棋譜照合(結果);
    if (結果.不備 != 棋譜不備::なし) {
        拒否(f.読込題, "棋譜にできません (" + std::to_string(結果.不備行) + "行目)");
        return;
    }
    if (!破棄の確認(破棄対象::すべて)) return;
    棋譜を載せる(結果);
}

}  // namespace bexoru
