#pragma once
// The SoundLibrary the game really uses: it opens libbexoru_sound.so at the
// first call and forwards to its seven functions. When the library cannot be
// found or lacks a function, the game simply runs silent: dsInitialize gives 0
// and every other call gives 0 and does nothing.
//
// Where it looks: an explicit path given to the constructor is the only place
// tried. Otherwise the folder of the running executable comes first (a built
// game), then the program's private library folder of an installed game
// (<prefix>/lib/.../bexoru, reached from the executable's folder), then the
// dynamic loader's usual search (LD_LIBRARY_PATH, ld.so.cache, ...).
//
// The library is never unloaded: SDL keeps threads of its own and unmapping
// code they might still run is not worth the saved memory. The destructor
// does close a device this object opened and nobody terminated.

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "port/sound_library.h"

namespace bexoru {

class LoadedSoundLibrary final : public SoundLibrary {
public:
    static constexpr const char* kLibraryName = "libbexoru_sound.so";

    explicit LoadedSoundLibrary(std::string libraryPath = {});

    // The places tried without an explicit path, in order: beside the program,
    // the installed library folder (relative to the program's folder; empty
    // for none), and the bare name for the dynamic loader.
    static std::vector<std::string> searchPaths(const std::filesystem::path& programFolder,
                                                const std::filesystem::path& installedFromBin);
    ~LoadedSoundLibrary() override;

    LoadedSoundLibrary(const LoadedSoundLibrary&) = delete;
    LoadedSoundLibrary& operator=(const LoadedSoundLibrary&) = delete;

    std::int32_t dsInitialize(std::intptr_t window) override;
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* data, std::size_t size,
                             std::int32_t flags) override;
    std::int32_t dsPlay(std::int32_t sound) override;
    std::int32_t dsPlayLooping(std::int32_t sound) override;
    std::int32_t dsStop(std::int32_t sound) override;
    std::int32_t dsFree(std::int32_t sound) override;
    std::int32_t dsTerminate(std::int32_t device) override;

    // Why the library is unavailable; empty while it has not been tried or
    // when it loaded. Meant for a log line.
    std::string loadError() const;

private:
    using InitializeFn = std::int32_t (*)(std::intptr_t);
    using CreateFn = std::int32_t (*)(std::int32_t, const std::uint8_t*, std::size_t, std::int32_t);
    using SoundFn = std::int32_t (*)(std::int32_t);

    // Loads on the first call; true when all seven functions are there.
    bool ready();
    void load();

    std::string path_;
    std::once_flag once_;
    std::string error_;
    InitializeFn initialize_ = nullptr;
    CreateFn create_ = nullptr;
    SoundFn play_ = nullptr;
    SoundFn playLooping_ = nullptr;
    SoundFn stop_ = nullptr;
    SoundFn free_ = nullptr;
    SoundFn terminate_ = nullptr;
    std::int32_t openDevice_ = 0;  // the last device this object opened, until terminated
};

}  // namespace bexoru
