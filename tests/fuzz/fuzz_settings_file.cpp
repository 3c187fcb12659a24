// Fuzz target: the settings file (Bexoru.ini). Any text reads as some
// settings without a fault; the file of those settings reads back the same;
// and the file read from disk says what its text says.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/settings_file.h"

using namespace bexoru;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const 環境設定 settings = 環境設定を解釈(text);
    require(環境設定を解釈(環境設定の文(settings)) == settings, "the settings written read back the same");

    const std::filesystem::path file = fuzz::scratch_folder() / "Bexoru.ini";
    // A new file each time: rewriting one in place makes ext4 flush it to disk.
    std::filesystem::remove(file);
    {
        std::ofstream out(file, std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    const 環境設定読込結果 read = 環境設定を読む(file);
    require(read.存在 && read.読込成功, "a settings file that is there is read");
    require(read.設定 == settings, "the file says what its text says");
    return 0;
}
