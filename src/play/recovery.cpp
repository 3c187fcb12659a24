// Keeping the game in hand: the recovery record written after every move,
// the offer to continue it at the next start, and the question before moves
// that were never saved are thrown away.

#include "play/recovery.h"

#include <algorithm>
#include <string>
#include <vector>

#include "play/form1.h"
#include "play/handicap_commands.h"
#include "play/side_labels.h"
#include "records/record_file.h"

namespace bexoru {

namespace {

std::vector<指し手> 記録の手々(const 棋譜記録& 記録) {
    const int 終端 = std::clamp(記録.記録終端, 0, 記録最大);
    return {記録.手.begin() + 1, 記録.手.begin() + 1 + 終端};
}

}  // namespace

回復対局 Form1::今の対局() const {
    回復対局 r;
    r.盤面 = 盤面;
    r.手々 = 記録の手々(記録);
    r.記録数 = std::clamp(記録.記録数, 0, static_cast<int>(r.手々.size()));
    r.手番 = 状態.手番;
    r.MAN側 = 状態.MAN側;
    r.COM側 = 状態.COM側;
    r.対局モード = 状態.対局モード;
    r.手数 = 状態.手数;
    r.レベル = 状態.レベル;
    r.ハンデレベル = 状態.ハンデレベル;
    r.ハンデ済 = 状態.ハンデ済;
    r.反転済 = 状態.反転済;
    r.規則 = 状態.規則;
    r.保存済 = 棋譜テキスト(記録, 状態.規則) == 保全.保存済み棋譜;
    return r;
}

bool Form1::未保存あり(破棄対象 対象) const {
    const bool 対局 =
        対象 != 破棄対象::終局控え && 記録.記録終端 > 0 && 棋譜テキスト(記録, 状態.規則) != 保全.保存済み棋譜;
    const bool 控え = 対象 != 破棄対象::対局 && 保全.終局控え && !保全.終局控え->保存済 && !保全.終局控え->手々.empty();
    return 対局 || 控え;
}

bool Form1::破棄の確認(破棄対象 対象) {
    if (!未保存あり(対象)) return true;
    return port.askYesNo(未保存_題, 未保存_文);
}

void Form1::保存済みにする() {
    保全.保存済み棋譜 = 棋譜テキスト(記録, 状態.規則);
}

void Form1::回復記録更新(std::optional<int> 次の手番) {
    if (保全.フォルダ.empty() || 保全.終了した || 一覧で移動中_) return;
    // The game that ended comes first: while its result is being announced it
    // is still on the board too.
    std::optional<回復対局> 残す = 保全.終局控え;
    const bool 対局中 = !状態.再生中 && 状態.手番 != 未対局 && (記録.記録終端 > 0 || 状態.手数 > 0);
    if (!残す && 対局中) {
        残す = 今の対局();
        if (次の手番) 残す->手番 = *次の手番;
    }
    if (!残す) {
        回復記録消去(保全.フォルダ);
        保全.書いた内容.clear();
        return;
    }
    std::string 内容 = 回復棋譜テキスト(残す->手々, 残す->規則) + 回復状態テキスト(*残す);
    if (内容 == 保全.書いた内容) return;
    std::string 理由;
    if (回復記録書込(保全.フォルダ, *残す, 理由)) {
        保全.書いた内容 = std::move(内容);
        return;
    }
    保全.書いた内容.clear();
    if (!保全.失敗を告げた) {
        保全.失敗を告げた = true;
        port.messageBox(回復書込失敗_題, std::string(回復書込失敗_文) + 理由);
    }
}

void Form1::前回の対局の確認() {
    const std::optional<回復対局> r = 回復記録読込(保全.フォルダ);
    if (!r) return;
    const bool 続きがある = r->終局 ? !r->手々.empty() : r->手番 != 未対局 && (!r->手々.empty() || r->手数 > 0);
    if (!続きがある || !port.askYesNo(前回_題, 前回_文)) {
        回復記録消去(保全.フォルダ);
        return;
    }
    if (r->終局) {
        // The board stays fresh for the next game; the game that ended waits to be saved.
        保全.終局控え = *r;
        port.messageBox(前回_題, 前回終局_文);
    } else {
        対局を戻す(*r);
    }
    回復記録更新();
}

void Form1::対局を戻す(const 回復対局& r) {
    盤面 = r.盤面;
    const int 数 = static_cast<int>(r.手々.size());
    for (int n = 1; n <= 数; ++n) 記録.手[static_cast<std::size_t>(n)] = r.手々[static_cast<std::size_t>(n - 1)];
    記録.記録終端 = 数;
    記録.記録数 = std::clamp(r.記録数, 0, 数);
    状態.手番 = r.手番;
    状態.MAN側 = r.MAN側;
    状態.COM側 = r.COM側;
    状態.対局モード = r.対局モード;
    状態.手数 = r.手数;
    状態.ハンデレベル = r.ハンデレベル;
    状態.ハンデ済 = r.ハンデ済;
    状態.反転済 = r.反転済;
    状態.規則 = r.規則;
    状態.再生中 = false;
    状態.クリック段階 = クリック段階型::駒選択;
    状態.二手目状態 = 二手目状態型::一手目;
    // The next click on the board says whose turn it is (and lets the
    // computer move when it was thinking).
    状態.再開確認 = true;
    レベル選択(r.レベル);
    保全.保存済み棋譜 = r.保存済 ? 棋譜テキスト(記録, 状態.規則) : std::string();

    // The window as the game left it.
    画面を描き直す();
}

// The board, side labels, grades, move number and the last move of each army.
void Form1::画面を描き直す() {
    描画.画面_再描画();
    描画_対局の見出し(描画, 表示, 状態);
    if (状態.ハンデ済) 描画_ハンデレベル(描画, 表示, 状態.ハンデレベル);
    // Before any game the move number is not shown.
    描画.描画_規則(状態.規則);
    // Before any game the move number is not shown.
    if (状態.手番 != 未対局 || 状態.手数 > 0) 描画.描画_手数(状態.手数, 表示.文字色);
    bool 上済 = false, 下済 = false;
    for (int n = 記録.記録数; n >= 1 && !(上済 && 下済); --n) {
        const auto i = static_cast<std::size_t>(n);
        const 駒コード 成駒 = 記録.手[i].成駒;
        const int X = 記録.手[i].移動先X, Y = 記録.手[i].移動先Y;
        if (!盤内(X, Y) || 成駒 == 空) continue;
        bool& 済 = 成駒 > 0 ? 上済 : 下済;
        if (済) continue;
        済 = true;
        描画.描画_移動結果(成駒 > 0 ? 表示.結果表示X_COM : 表示.結果表示X_MAN,
                           成駒 > 0 ? 表示.結果表示Y_COM : 表示.結果表示Y_MAN, X, Y, 成駒, 表示.結果表示色);
    }
}

bool Form1::終局控えを手放す() {
    if (!破棄の確認(破棄対象::終局控え)) return false;
    保全.終局控え.reset();
    return true;
}

bool Form1::終了してよいか() {
    const bool 未保存 = 未保存あり(破棄対象::すべて);
    if (未保存 && !port.askYesNo(未保存_題, 未保存_文)) return false;
    // A game in progress stays in the recovery record to be continued next
    // time, unless the player has just discarded it; a game that ended is
    // only kept until it is saved.
    const bool 対局中 = !保全.終局控え && !状態.再生中 && 状態.手番 != 未対局;
    if (未保存 || !対局中) {
        回復記録消去(保全.フォルダ);
    }
    保全.終了した = true;
    return true;
}

}  // namespace bexoru
