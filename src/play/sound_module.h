#pragma once
// The game's side of sound: it starts the device, loads the four wave files
// and keeps their handles. Sound is an ornament: without a device every call
// still goes through harmlessly with handle 0.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "port/sound_library.h"
#include "port/window_port.h"

namespace bexoru {

// The largest wave file read: a minute of CD-quality stereo is 10 MB, and a
// file is held whole in memory while the library decodes it.
inline constexpr std::uintmax_t 音ファイル上限 = 64u * 1024 * 1024;

struct 音モジュール {
    音モジュール(SoundLibrary& lib, WindowPort& port) : lib(lib), port(port) {}

    void 音_初期化(std::intptr_t window);
    // Reads a whole wave file from the folder and hands it to the library; 0 when
    // there is no device or no such file. A file larger than 音ファイル上限 is
    // not read: it is reported like any other failed read.
    std::int32_t 音_読込(const std::filesystem::path& file, std::int32_t flags);
    void 音_終了();
    void 音_警告(std::string_view text);

    // Loads the four sounds from the folder in their fixed order.
    void 全音読込(const std::filesystem::path& folder);
    // Frees the four sounds and shuts the device down.
    void 全音解放();

    void 鳴らす(std::int32_t sound) { lib.dsPlay(sound); }

    SoundLibrary& lib;
    WindowPort& port;
    std::int32_t 音装置 = 0;
    std::int32_t 音_その他 = 0;
    std::int32_t 音_禁止 = 0;
    std::int32_t 音_駒打 = 0;
    std::int32_t 音_BGM = 0;
};

}  // namespace bexoru
