// Fuzz target: the recovery record as the next start finds it in the user's
// data folder, after a crash or an edit: the input is the state file, then a
// line "%%", then the record (without the line, an empty record). The start
// offers to continue the game and is answered Yes; the game is stepped back
// to its first entry and forward to its last, and the board is clicked twice,
// so that the side to move plays (the computer, when it is its turn, searches
// the restored position whatever it is, at levels 4 to 6 with the searching
// engine). No pair of files may make the game
// fault, and the board holds real piece codes only.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "board/presentation.h"
#include "fuzz_check.h"
#include "play/form1.h"
#include "records/recovery_file.h"
#include "port/silent_port.h"

using namespace bexoru;
using fuzz::require;
using fuzz::require_real_codes;

namespace {

void write(const std::filesystem::path& file, std::string_view bytes) {
    // A new file each time: rewriting one in place makes ext4 flush it to disk.
    std::filesystem::remove(file);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void click(Form1& form, int X, int Y) {
    form.Form_MouseDown(1, 0, 座標X(X + 0.5), 座標Y(Y + 0.5));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find("\n%%\n");
    const std::filesystem::path folder = fuzz::scratch_folder();
    write(folder / 回復状態名, input.substr(0, cut));
    write(folder / 回復棋譜名, cut == std::string_view::npos ? std::string_view{} : input.substr(cut + 4));

    SilentWindow window;
    window.answer = true;
    SilentSound sound;
    JumpingClock clock;
    Form1 form(window, sound, clock);
    // The searching levels think a few thousand nodes, not seconds.
    form.COM手番.探索節点数 = 2000;
    // As the window's load does it, without the sounds, and with the settings
    // file and the recovery record in the scratch folder.
    form.起動フォルダ = folder;
    form.保全.フォルダ = folder;
    form.起動時初期化();
    form.前回の対局の確認();
    require_real_codes(form.盤面);

    for (int i = 0; i <= 記録最大 && form.記録.記録数 > 0; ++i) {
        form.REPLAY_Click();
        require_real_codes(form.盤面);
    }
    for (int i = 0; i <= 記録最大 && form.記録.記録数 < form.記録.記録終端; ++i) {
        form.AFTER_Click();
        require_real_codes(form.盤面);
    }
    const auto square = [&](std::size_t back) { return size > back ? data[size - 1 - back] % 盤サイズ + 1 : 1; };
    click(form, square(0), square(1));
    require_real_codes(form.盤面);
    click(form, square(2), square(3));
    require_real_codes(form.盤面);
    return 0;
}
