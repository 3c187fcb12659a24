// The options of the ｵﾌﾟｼｮﾝ menu that survive between runs: move guidance
// (SIDOU, toggled in src/play/move_guidance.cpp), the background music, the
// move list and the player's aids (toggled in src/play/move_list.cpp), the
// window's language (ENGLISH) and the rule set, kept in the settings file
// (src/settings/locations.h says which) with the computer's level (chosen in
// src/play/levels.cpp) and the time control (src/play/clock_commands.cpp).
//
// The rule set is fixed for a game once it has begun: a choice made during a
// game is kept for the next one, and the player is told so. Before a game
// the choice applies at once and the side panel shows it.

#include "play/display_texts.h"
#include "play/form1.h"
#include "settings/settings_file.h"

namespace bexoru {

namespace {

環境設定の置き場所 置き場所(const Form1& form) {
    if (!form.環境設定ファイル.書く.empty()) return form.環境設定ファイル;
    const std::filesystem::path file = form.起動フォルダ / std::filesystem::path(std::string(環境設定ファイル名));
    return {file, file};
}

bool 書く(const std::filesystem::path& file, const 環境設定& 設定) {
    // The user's configuration folder may not be there yet.
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    return 環境設定を書く(file, 設定);
}

}  // namespace

// A missing file is created with the defaults, and a file read from the start
// folder (while the user has none) is copied to the user's. A file that cannot
// be read is left alone and the defaults hold for this run; a file with stray
// lines is read for what it names and is not rewritten until an option is
// toggled.
void Form1::読込_環境設定ファイル() {
    const 環境設定の置き場所 files = 置き場所(*this);
    const 環境設定読込結果 結果 = 環境設定を読む(files.読む);
    // A read-only folder keeps the settings read for this run.
    if (!結果.存在 || files.読む != files.書く) 書く(files.書く, 結果.設定);

    port.setMenuChecked("SIDOU", 結果.設定.移動指導);
    表示.盤色 = 結果.設定.移動指導 ? 表示.文字色 : 表示.盤色初期値;
    port.setMenuChecked("BGM", 結果.設定.BGM);
    if (結果.設定.BGM) 音.lib.dsPlayLooping(音.音_BGM);
    port.setMenuChecked("KIFU_LIST", 結果.設定.棋譜一覧);
    port.setMoveListVisible(結果.設定.棋譜一覧);
    port.setMenuChecked("AIDS", 結果.設定.補助表示);
    port.setMenuChecked("ENGLISH", 結果.設定.英語);
    port.setEnglish(結果.設定.英語);
    // The level is shown when a game against the computer starts.
    レベルの印(結果.設定.COMレベル);
    持ち時間 = {結果.設定.持ち時間, 結果.設定.秒読み};
    持ち時間の印();
    if (!時計.始動済()) 時計.新規(持ち時間);
    // The start drew the board's captions before the language was known.
    if (結果.設定.英語) 画面を描き直す();
    選んだ規則 = 結果.設定.標準ルール ? ルール::標準 : ルール::本来;
    規則の印(選んだ規則);
    if (!対局が始まった() && 状態.規則 != 選んだ規則) {
        状態.規則 = 選んだ規則;
        描画.描画_規則(状態.規則);
    }
}

// A failed write leaves the old file and the options as the player set them
// for this run; nothing is shown.
void Form1::書込_環境設定ファイル() {
    環境設定 設定;
    設定.移動指導 = port.isMenuChecked("SIDOU");
    設定.BGM = port.isMenuChecked("BGM");
    設定.COMレベル = 状態.レベル;
    設定.棋譜一覧 = port.isMenuChecked("KIFU_LIST");
    設定.補助表示 = port.isMenuChecked("AIDS");
    設定.持ち時間 = 持ち時間.持ち時間;
    設定.秒読み = 持ち時間.秒読み;
    設定.英語 = port.isMenuChecked("ENGLISH");
    設定.標準ルール = 選んだ規則 == ルール::標準;
    書く(置き場所(*this).書く, 設定);
}

void Form1::BGM_Click() {
    if (port.isMenuChecked("BGM")) {
        port.setMenuChecked("BGM", false);
        音.lib.dsStop(音.音_BGM);
    } else {
        port.setMenuChecked("BGM", true);
        音.lib.dsPlayLooping(音.音_BGM);
    }
    書込_環境設定ファイル();
}

// The language changes nothing in the game: the controller's texts stay
// Japanese and the window shows their English.
void Form1::ENGLISH_Click() {
    const bool 英語 = !port.isMenuChecked("ENGLISH");
    port.setMenuChecked("ENGLISH", 英語);
    port.setEnglish(英語);
    // What is drawn is drawn again, now in the chosen language.
    画面を描き直す();
    書込_環境設定ファイル();
}

void Form1::RULE_HON_Click() {
    規則選択(ルール::本来);
}

void Form1::RULE_STD_Click() {
    規則選択(ルール::標準);
}

void Form1::規則の印(ルール 規則) {
    port.setMenuChecked("RULE_HON", 規則 == ルール::本来);
    port.setMenuChecked("RULE_STD", 規則 == ルール::標準);
}

bool Form1::対局が始まった() const {
    return 状態.手番 != 未対局 || 状態.再生中 || 記録.記録終端 > 0;
}

void Form1::規則選択(ルール 規則) {
    規則の印(規則);
    const bool 変わった = 選んだ規則 != 規則;
    選んだ規則 = 規則;
    if (変わった) 書込_環境設定ファイル();
    if (状態.規則 == 規則) return;
    if (対局が始まった()) {
        const std::string_view 名 = 規則 == ルール::標準 ? 規則名_標準 : 規則名_本来;
        port.messageBox(規則変更_題, std::string(規則変更_文) + std::string(名) + "で指します");
        return;
    }
    状態.規則 = 規則;
    描画.描画_規則(状態.規則);
}

}  // namespace bexoru
