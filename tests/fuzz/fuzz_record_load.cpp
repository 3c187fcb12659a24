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
#include "port/silent_port.h"

using namespace bexoru;
using fuzz::require;
using fuzz::require_real_codes;

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
