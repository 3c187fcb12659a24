#include "sound/sound_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

#include "sound/bexoru_sound.h"

namespace bexoru {

// Only the declarations are used, to keep the looked-up types in step with the library.
static_assert(std::is_same_v<decltype(&::dsInitialize), std::int32_t (*)(std::intptr_t)>);
static_assert(std::is_same_v<decltype(&::dsCreateDSB),
                             std::int32_t (*)(std::int32_t, const std::uint8_t*, std::size_t, std::int32_t)>);
static_assert(std::is_same_v<decltype(&::dsPlay), std::int32_t (*)(std::int32_t)>);

namespace {

#ifndef BEXORU_SOUND_LIBRARY_FROM_BIN
#define BEXORU_SOUND_LIBRARY_FROM_BIN ""
#endif

std::vector<std::string> candidates(const std::string& explicitPath) {
    if (!explicitPath.empty()) return {explicitPath};
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return LoadedSoundLibrary::searchPaths(error ? std::filesystem::path{} : exe.parent_path(),
                                           BEXORU_SOUND_LIBRARY_FROM_BIN);
}

template <typename Fn>
bool resolve(void* handle, const char* name, Fn& out, std::string& error) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        const char* why = dlerror();
        error = why != nullptr ? why : std::string(name) + " not found";
        return false;
    }
    out = reinterpret_cast<Fn>(symbol);
    return true;
}

}  // namespace

std::vector<std::string> LoadedSoundLibrary::searchPaths(const std::filesystem::path& programFolder,
                                                         const std::filesystem::path& installedFromBin) {
    std::vector<std::string> result;
    if (!programFolder.empty()) {
        result.push_back((programFolder / kLibraryName).string());
        if (!installedFromBin.empty())
            result.push_back((programFolder / installedFromBin / kLibraryName).lexically_normal().string());
    }
    result.emplace_back(kLibraryName);  // no slash: the loader's own search
    return result;
}

LoadedSoundLibrary::LoadedSoundLibrary(std::string libraryPath) : path_(std::move(libraryPath)) {}

LoadedSoundLibrary::~LoadedSoundLibrary() {
    if (openDevice_ != 0 && terminate_ != nullptr) terminate_(openDevice_);
}

std::string LoadedSoundLibrary::loadError() const {
    return error_;
}

void LoadedSoundLibrary::load() {
    void* handle = nullptr;
    std::string failures;
    for (const std::string& candidate : candidates(path_)) {
        handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr) break;
        const char* why = dlerror();
        if (!failures.empty()) failures += "; ";
        failures += why != nullptr ? why : candidate + ": cannot open";
    }
    if (handle == nullptr) {
        error_ = failures;
        return;
    }

    InitializeFn initialize = nullptr;
    CreateFn create = nullptr;
    SoundFn play = nullptr, playLooping = nullptr, stop = nullptr, free = nullptr, terminate = nullptr;
    const bool complete = resolve(handle, "dsInitialize", initialize, error_) &&
                          resolve(handle, "dsCreateDSB", create, error_) && resolve(handle, "dsPlay", play, error_) &&
                          resolve(handle, "dsPlayLooping", playLooping, error_) &&
                          resolve(handle, "dsStop", stop, error_) && resolve(handle, "dsFree", free, error_) &&
                          resolve(handle, "dsTerminate", terminate, error_);
    if (!complete) {
        dlclose(handle);  // nothing of it has run yet, so unloading is safe here
        return;
    }
    initialize_ = initialize;
    create_ = create;
    play_ = play;
    playLooping_ = playLooping;
    stop_ = stop;
    free_ = free;
    terminate_ = terminate;
    // The handle is deliberately kept open for the rest of the process.
}

bool LoadedSoundLibrary::ready() {
    std::call_once(once_, [this] { load(); });
    return initialize_ != nullptr;
}

std::int32_t LoadedSoundLibrary::dsInitialize(std::intptr_t window) {
    if (!ready()) return 0;
    const std::int32_t device = initialize_(window);
    // Opening a device closes the previous one, so only the newest needs remembering.
    openDevice_ = device;
    return device;
}

std::int32_t LoadedSoundLibrary::dsCreateDSB(std::int32_t device, const std::uint8_t* data, std::size_t size,
                                             std::int32_t flags) {
    return ready() ? create_(device, data, size, flags) : 0;
}

std::int32_t LoadedSoundLibrary::dsPlay(std::int32_t sound) {
    return ready() ? play_(sound) : 0;
}

std::int32_t LoadedSoundLibrary::dsPlayLooping(std::int32_t sound) {
    return ready() ? playLooping_(sound) : 0;
}

std::int32_t LoadedSoundLibrary::dsStop(std::int32_t sound) {
    return ready() ? stop_(sound) : 0;
}

std::int32_t LoadedSoundLibrary::dsFree(std::int32_t sound) {
    return ready() ? free_(sound) : 0;
}

std::int32_t LoadedSoundLibrary::dsTerminate(std::int32_t device) {
    if (!ready()) return 0;
    if (device != 0 && device == openDevice_) openDevice_ = 0;
    return terminate_(device);
}

}  // namespace bexoru
