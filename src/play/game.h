#pragma once
// What the game's main needs from the controller: one call that builds it on
// the window, the sound library and the clock, and hands back the events the
// window sends it. The main never sees Form1.

#include <cstdint>
#include <filesystem>
#include <memory>

#include "port/clock.h"
#include "port/sound_library.h"
#include "port/window_events.h"
#include "port/window_port.h"
#include "settings/locations.h"

namespace bexoru {

// The controller of one window. The game in hand is kept in 回復フォルダ
// (none is kept when it is empty). The help page and sounds are read from
// 起動フォルダ (the current folder when empty), the settings from
// 環境設定ファイル (Bexoru.ini in 起動フォルダ when empty).
std::unique_ptr<WindowEvents> 対局を用意する(WindowPort& port,
                                             SoundLibrary& sound,
                                             Clock& clock,
                                             std::intptr_t windowHandle,
                                             const std::filesystem::path& 回復フォルダ,
                                             const std::filesystem::path& 起動フォルダ = {},
                                             const 環境設定の置き場所& 環境設定ファイル = {});

}  // namespace bexoru
