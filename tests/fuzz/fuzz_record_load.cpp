// Fuzz target: a record file loaded into the game as the player loads one
// (棋譜 → 読込, a click on the file), then stepped with 進 to its end and with
// 戻 back to its start. No file may make the game fault, and every position
// on the way holds real piece codes only.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "play/form1.h"
#include "fuzz_check.h"

using namespace bexoru;
using fuzz::require;

namespace {

// A window nobody sees: it answers No to every question and draws nothing.
class SilentWindow final : public WindowPort {
public:
    std::string folder, clicked;

    void setBackColor(int) override {}
    void paintPicture(std::string_view, double, double) override {}
    void fillBox(double, double, double, double, int) override {}
    void outlineBox(double, double, double, double, int) override {}
    void printText(double, double, std::string_view, int, int) override {}
    void refresh() override {}
    void messageBox(std::string_view, std::string_view, bool) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
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

class JumpingClock final : public Clock {
public:
    double seconds() override { return now_ += 1.0; }

private:
    double now_ = 0;
};

void require_real_codes(const 盤面型& board) {
    for (int X = 0; X <= 盤サイズ; ++X)
        for (int Y = 0; Y <= 盤サイズ; ++Y)
            require(board(X, Y) >= -最大駒コード && board(X, Y) <= 最大駒コード, "the board holds real codes only");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzz::scratch_folder() / "fuzz.棋譜";
    // A new file each time: rewriting one in place makes ext4 flush it to disk.
    std::filesystem::remove(file);
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    SilentWindow window;
    SilentSound sound;
    JumpingClock clock;
    Form1 form(window, sound, clock);
    // As the window's load does it, without the sounds and with the settings
    // file in the scratch folder rather than the folder the run started in.
    form.起動フォルダ = fuzz::scratch_folder();
    form.起動時初期化();
    window.folder = fuzz::scratch_folder().string();
    window.clicked = file.filename().string();
    form.KIFU_READ_Click();
    form.File1_Click();
    require_real_codes(form.盤面);

    // Forward to the end and back to the start; each click takes at least one entry.
    for (int i = 0; i <= 記録最大 && form.記録.記録数 < form.記録.記録終端; ++i) {
        form.AFTER_Click();
        require_real_codes(form.盤面);
    }
    require(form.記録.記録数 == form.記録.記録終端, "進 reaches the end of the record");
    for (int i = 0; i <= 記録最大 && form.記録.記録数 > 0; ++i) {
        form.REPLAY_Click();
        require_real_codes(form.盤面);
    }
    require(form.記録.記録数 == 0, "戻 reaches the start of the record");
    return 0;
}
