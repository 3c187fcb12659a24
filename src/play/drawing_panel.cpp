// Showing and hiding the record-file panel.

#include "play/drawing.h"

namespace bexoru {

void 描画器::描画_可視(bool drive, bool folder, bool file) {
    port_.setPanelVisible(PanelControl::Drive1, drive);
    port_.setPanelVisible(PanelControl::Dir1, folder);
    port_.setPanelVisible(PanelControl::File1, file);
}

void 描画器::描画_棋譜_IO(棋譜IO mode) {
    const bool show = mode == 棋譜IO::書込;
    // Hiding empties the name first, so every save starts with an empty box.
    if (!show) port_.clearNameText();
    port_.setPanelVisible(PanelControl::Text1, show);
    port_.setPanelVisible(PanelControl::Label1, show);
    port_.setPanelVisible(PanelControl::Command1, show);
}

}  // namespace bexoru
