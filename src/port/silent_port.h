#pragma once
// A window, a sound library and a clock for running the game where nobody
// watches (the command-line tool's self-play, the fuzz targets): nothing is
// drawn or played, no wait waits, and every question gets the answer its
// owner chose. A user that wants to see the messages overrides messageBox.

#include <cstdint>
#include <string>

#include "port/clock.h"
#include "port/sound_library.h"
#include "port/window_port.h"

namespace bexoru {

class SilentWindow : public WindowPort {
public:
    std::string folder, clicked;
    bool answer = false;  // to every Yes/No question

    void setBackColor(int) override {}
    void paintPicture(std::string_view, double, double) override {}
    void fillBox(double, double, double, double, int) override {}
    void outlineBox(double, double, double, double, int) override {}
    void printText(double, double, std::string_view, int, int) override {}
    void refresh() override {}
    void messageBox(std::string_view, std::string_view, bool) override {}
    bool askYesNo(std::string_view, std::string_view) override { return answer; }
    void setMenuChecked(std::string_view, bool) override {}
    bool isMenuChecked(std::string_view) const override { return false; }
    void setPanelVisible(PanelControl, bool) override {}
    void clearNameText() override {}
    std::string nameText() const override { return {}; }
    std::string currentFolder() const override { return folder; }
    std::string clickedFile() const override { return clicked; }
    void refreshFileList() override {}
    void openUrl(std::string_view) override {}
    void quit() override {}
};

class SilentSound final : public SoundLibrary {
public:
    std::int32_t dsInitialize(std::intptr_t) override { return 0; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t, std::int32_t) override { return 0; }
    std::int32_t dsPlay(std::int32_t) override { return 0; }
    std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
    std::int32_t dsStop(std::int32_t) override { return 0; }
    std::int32_t dsFree(std::int32_t) override { return 0; }
    std::int32_t dsTerminate(std::int32_t) override { return 0; }
};

// A clock that jumps a second at every reading: the blink never waits.
class JumpingClock final : public Clock {
public:
    double seconds() override { return now_ += 1.0; }

private:
    double now_ = 0;
};

}  // namespace bexoru
