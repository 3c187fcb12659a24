// The computer's strength: six menu items, exactly one checked. Levels 1 to 3
// switch groups of rules of the one-move evaluation; levels 4 to 6 play the
// searching engine, thinking 0.3, 1 and 5 seconds a move. A level applies
// from the computer's next move, also in the middle of a game, and the one
// chosen from the menu is kept in the settings file for the next start.

#include <string>

#include "play/form1.h"
#include "play/search_levels.h"

namespace bexoru {

void Form1::LEVEL1_Click() {
    レベル選択(1);
}
void Form1::LEVEL2_Click() {
    レベル選択(2);
}
void Form1::LEVEL3_Click() {
    レベル選択(3);
}
void Form1::LEVEL4_Click() {
    レベル選択(4);
}
void Form1::LEVEL5_Click() {
    レベル選択(5);
}
void Form1::LEVEL6_Click() {
    レベル選択(6);
}

void Form1::レベル選択(int レベル) {
    const std::string 項目 = "LEVEL" + std::to_string(レベル);
    if (port.isMenuChecked(項目)) return;
    レベルの印(レベル);
    描画.描画_レベル(レベル);
    書込_環境設定ファイル();
}

void Form1::レベルの印(int レベル) {
    for (int i = 1; i <= 最高レベル; ++i) port.setMenuChecked("LEVEL" + std::to_string(i), i == レベル);
    状態.レベル = レベル;
}

}  // namespace bexoru
