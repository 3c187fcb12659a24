// Showing and hiding the record-file panel.

#include "board/game_state.h"
#include "play/drawing.h"

namespace bexoru {

void 描画器::描画_可視(int drive, int folder, int file) {
    port_.setPanelVisible(PanelControl::Drive1, drive == ON);
    port_.setPanelVisible(PanelControl::Dir1, folder == ON);
    port_.setPanelVisible(PanelControl::File1, file == ON);
}

void 描画器::描画_棋譜_IO(int mode) {
    const bool show = mode == 0;
    // Hiding empties the name first, so every save starts with an empty box.
    if (!show) port_.clearNameText();
    port_.setPanelVisible(PanelControl::Text1, show);
    port_.setPanelVisible(PanelControl::Label1, show);
    port_.setPanelVisible(PanelControl::Command1, show);
}

}  // namespace bexoru
