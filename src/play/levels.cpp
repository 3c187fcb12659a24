// The computer's strength: three menu items, exactly one checked. The level
// only switches groups of rules of the evaluation; it applies from the
// computer's next move, also in the middle of a game.

#include <string>

#include "play/form1.h"

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

void Form1::レベル選択(int レベル) {
    const std::string 項目 = "LEVEL" + std::to_string(レベル);
    if (port.isMenuChecked(項目)) return;
    port.setMenuChecked(項目, true);
    for (int i = 1; i <= 3; ++i) {
        if (i != レベル) port.setMenuChecked("LEVEL" + std::to_string(i), false);
    }
    状態.レベル = レベル;
    描画.描画_レベル(レベル);
}

}  // namespace bexoru
