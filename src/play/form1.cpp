#include "play/form1.h"

#include <system_error>

#include "board/starting_position.h"

namespace bexoru {

Form1::Form1(WindowPort& port, SoundLibrary& sound, Clock& clock, std::intptr_t windowHandle)
    : port(port), clock(clock), 音(sound, port), 描画(port, 表示, 盤面, clock), windowHandle_(windowHandle) {}

void Form1::Form_Load() {
    // Sound first: the device and the four sounds, read from the start folder.
    std::error_code ec;
    if (起動フォルダ.empty()) 起動フォルダ = std::filesystem::current_path(ec);
    音.音_初期化(windowHandle_);
    音.全音読込(起動フォルダ);

    起動時初期化();
    前回の対局の確認();
}

void Form1::起動時初期化() {
    // Guidance off, level 3 (until the settings file says otherwise).
    port.setMenuChecked("SIDOU", false);
    レベルの印(3);

    表示 = 表示設定{};
    表示.背景色 = 表示.盤色初期値;
    表示.桝輪郭色 = 表示.背景色;
    表示.盤色 = 表示.桝輪郭色;
    状態.再開確認 = false;
    状態.二手目状態 = 二手目状態型::一手目;

    port.setBackColor(表示.背景色);

    初期設定();
    読込_環境設定ファイル();
}

void Form1::初期設定() {
    初期設定_状態(盤面, 記録, 状態);
    // A second step pending on the old board has nothing left to finish:
    // left at 2, the take-back, replay and reversal commands would go on
    // refusing on the fresh board.
    状態.二手目状態 = 二手目状態型::一手目;
    時計.新規(持ち時間);
    描画.画面_再描画();
    // A new game is played by the rule set chosen last.
    状態.規則 = 選んだ規則;
    if (状態.規則 == ルール::標準) 描画.描画_規則(状態.規則);
}

void Form1::拒否(std::string_view 題, std::string_view 文) {
    音.鳴らす(音.音_禁止);
    状態行 = 文;
    port.messageBox(題, 文);
}

}  // namespace bexoru
