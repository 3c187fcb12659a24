// The record commands: 書込 saves the move log through the name panel,
// 読込 loads a record clicked in the file list, to be stepped with 進 and 戻.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "play/form1.h"
#include "play/side_labels.h"
#include "records/record_file.h"
#include "records/record_name.h"
#include "records/recovery_file.h"

namespace bexoru {

namespace {

// A step of the record that does not follow from the board before it.
std::string 行目(const 棋譜読込結果& 結果, std::string_view 理由) {
    return "棋譜ﾌｧｲﾙの" + std::to_string(結果.不備行) + "行目: " + std::string(理由);
}

// Why a clicked file is not loaded; the game on the board stays as it was.
std::string 読めない理由(const 棋譜読込結果& 結果) {
    switch (結果.不備) {
        case 棋譜不備::なし:
            break;
        case 棋譜不備::開けない:
            return "棋譜ﾌｧｲﾙを開けません";
        case 棋譜不備::大きすぎる:
            return "棋譜ﾌｧｲﾙが大きすぎます";
        case 棋譜不備::文書でない:
            return "棋譜ﾌｧｲﾙではありません";
        case 棋譜不備::見出しがない:
            return "棋譜ﾌｧｲﾙに見出しの3行がありません";
        case 棋譜不備::手がない:
            return "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
        case 棋譜不備::多すぎる:
            return "棋譜ﾌｧｲﾙの記録が" + std::to_string(記録最大) + "を超えています";
        case 棋譜不備::値が不正:
            return "棋譜ﾌｧｲﾙの" + std::to_string(結果.不備行) + "行目が読めません";
        case 棋譜不備::移動元が違う:
            return 行目(結果, "移動元の駒が違います");
        case 棋譜不備::取駒が違う:
            return 行目(結果, "取った駒が違います");
        case 棋譜不備::指せない手:
            return 行目(結果, "指せない手です");
        case 棋譜不備::成りが違う:
            return 行目(結果, "成りが正しくありません");
    }
    return {};
}

}  // namespace

void Form1::KIFU_WRITE_Click() {
    if (思考中は拒否()) return;
    if (状態.反転済) {
        拒否("棋譜書込", "反転後は書き込みできません");
        return;
    }
    if (状態.ハンデ済) {
        拒否("棋譜書込", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません");
        return;
    }
    描画.描画_可視(true, true, false);
    描画.描画_棋譜_IO(棋譜IO::書込);
}

void Form1::KIFU_READ_Click() {
    if (思考中は拒否()) return;
    描画.描画_可視(true, true, true);
    描画.描画_棋譜_IO(棋譜IO::非表示);
}

void Form1::Command1_Click() {
    if (思考中は拒否()) return;
    const std::string 名 = port.nameText();
    if (名.empty()) {
        port.messageBox("  ", "ﾌｧｲﾙ名が入力されていません");
        return;
    }
    // A game that has ended stays to be saved until the next game starts.
    const std::optional<回復対局>& 控え = 保全.終局控え;
    const bool 終局した対局 = 記録.記録終端 <= 0 && 控え && !控え->手々.empty();
    if (記録.記録終端 <= 0 && !終局した対局) {
        port.messageBox("棋譜保存", "保存するデータがありません");
        return;
    }
    // The panel is only opened when saving is allowed, but a record of a
    // reversed or handicapped board would replay wrongly from the starting
    // position, so it is never written, however the button was reached.
    const bool 反転済 = 終局した対局 ? 控え->反転済 : 状態.反転済;
    const bool ハンデ済 = 終局した対局 ? 控え->ハンデ済 : 状態.ハンデ済;
    if (反転済 || ハンデ済) {
        拒否("棋譜書込", 反転済 ? "反転後は書き込みできません" : "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません");
        return;
    }
    // The name is a file name in the chosen folder, never a path elsewhere.
    if (const auto 不備 = 棋譜名の不備(名)) {
        拒否("  ", *不備);
        return;
    }

    const std::filesystem::path 先 = std::filesystem::path(port.currentFolder()) / (名 + std::string(棋譜拡張子));
    // A record of the same name is replaced only when the player says so,
    // and never when it is write-protected.
    switch (既存棋譜の有無(先)) {
        case 既存棋譜::書込禁止:
            拒否("棋譜保存", "同じ名前の棋譜は書き込み禁止のため上書きできません");
            return;
        case 既存棋譜::ある:
            if (!port.askYesNo("棋譜保存", "同じ名前の棋譜があります。上書きしますか？")) return;
            break;
        case 既存棋譜::ない:
        case 既存棋譜::ファイルでない:  // the writer refuses it with the reason
            break;
    }
    std::string 理由;
    if (!棋譜ファイル書込(先, 終局した対局 ? 回復棋譜テキスト(控え->手々, 控え->規則) : 棋譜テキスト(記録, 状態.規則),
                          理由)) {
        // The panel stays open with the name, to try another name or folder.
        拒否("棋譜保存", "棋譜を書き込めませんでした: " + 理由);
        return;
    }
    if (終局した対局) {
        保全.終局控え->保存済 = true;
    } else {
        保存済みにする();
    }
    回復記録更新();
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
    port.refreshFileList();
    port.messageBox("  ", "棋譜を書き込みました");
}

void Form1::File1_Click() {
    if (思考中は拒否()) return;
    描画.描画_可視(false, false, false);
    const std::string 名 = port.clickedFile();
    if (名.empty()) return;

    // The whole file is read and replayed on a board of its own first: a file
    // that cannot be loaded, an empty one too, leaves the game on the board
    // as it was.
    const 棋譜読込結果 結果 = 棋譜ファイル読込(std::filesystem::path(port.currentFolder()) / 名);
    if (結果.不備 != 棋譜不備::なし) {
        if (結果.不備 == 棋譜不備::手がない) {
            port.messageBox("棋譜", 読めない理由(結果));
        } else {
            拒否("棋譜", 読めない理由(結果));
        }
        return;
    }
    if (!破棄の確認(破棄対象::すべて)) return;
    棋譜を載せる(結果);
}

void Form1::棋譜を載せる(const 棋譜読込結果& 結果) {
    保全.終局控え.reset();

    起動時初期化();
    状態.再生中 = true;
    // The record is replayed, and played on, under the rules it was played by.
    const ルール 規則 = 棋譜の規則(結果);
    if (状態.規則 != 規則) {
        状態.規則 = 規則;
        描画.描画_規則(規則);
    }

    // The header lines as they stand; the program's own files leave them
    // empty, but for the standard rules' marker, which the panel shows.
    constexpr double 見出し位置[3][2] = {{800, 6350}, {3700, 100}, {3700, 6350}};
    for (std::size_t i = 0; i < 3; ++i)
        if (!結果.見出し[i].empty() && 結果.見出し[i] != 標準ルール見出し)
            port.printText(見出し位置[i][0], 見出し位置[i][1], 結果.見出し[i], 12, 表示.文字色);

    const int 数 = static_cast<int>(結果.手々.size());
    for (int n = 1; n <= 数; ++n) {
        const 指し手& 手 = 結果.手々[static_cast<std::size_t>(n - 1)];
        const auto i = static_cast<std::size_t>(n);
        記録.手[i] = 手;
    }
    記録.記録数 = 0;
    状態.手数 = 0;
    記録.記録終端 = 数;
    保存済みにする();
    回復記録更新();

    if (記録.手[1].移動駒 >= 1) {
        // The upper army moved first: a game begun with 後手.
        状態.対局モード = 対局_COM;
        状態.COM側 = 先手;
        状態.MAN側 = 後手;
        描画_対局者名(描画, 表示, 5.08, 5.08, "先手:", "後手:", 11);
    } else {
        状態.対局モード = 対局_MAN対MAN;
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        描画_対局者名(描画, 表示, 5.08, 5.08, "後手:", "先手:", 11);
    }
    状態.手番 = 先手;
    port.messageBox("棋譜", " 読み込みました");
    port.messageBox("棋譜", "棋譜を '進 'で進めて下さい");
}

}  // namespace bexoru
