// libbexoru_sound.so over SDL2_mixer. See bexoru_sound.h for what each
// function promises.
//
// Channel layout: channel 0 is reserved for the background music; channels
// 1..kEffectChannels form one group that the effects share. Sounds are decoded
// up front into Mix_Chunks, so playing never touches a file or a caller's
// buffer.

#include "sound/bexoru_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstring>
#include <map>
#include <mutex>
#include <new>

namespace {

constexpr int kMusicChannel = 0;
constexpr int kEffectChannels = 15;
constexpr int kEffectGroup = 1;
constexpr std::int32_t kMusicFlags = 1;

// Output format asked of the device; SDL may hand back something else, and
// the chunks are converted to whatever it gave.
constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms: short enough for the piece clack

// The smallest wave file: RIFF header (12), fmt chunk (8 + 16), data chunk header (8).
constexpr std::size_t kSmallestWave = 44;
// The largest image taken: decoding converts it to the device's format, which
// may need several times its size again.
constexpr std::size_t kLargestWave = std::size_t{64} * 1024 * 1024;

struct Sound {
    Mix_Chunk* chunk = nullptr;
    bool music = false;
};

struct State {
    std::mutex mutex;
    std::int32_t device = 0;      // the open device, 0 when closed
    std::int32_t lastDevice = 0;  // handles only ever grow, so a stale one never
    std::int32_t lastSound = 0;   // names something created later
    std::map<std::int32_t, Sound> sounds;
    bool musicLooping = false;  // how the music channel was last started
};

// Deliberately never destroyed: the loader may still call in while the process
// exits, after this library's static objects would have been torn down.
State& state() {
    static State* const instance = new State;
    return *instance;
}

std::int32_t nextHandle(std::int32_t& last) {
    last = last == INT32_MAX ? 1 : last + 1;
    return last;
}

bool looksLikeWave(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= kSmallestWave && size <= kLargestWave &&
           std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

Sound* find(State& s, std::int32_t handle) {
    if (handle == 0 || s.device == 0) return nullptr;
    auto it = s.sounds.find(handle);
    return it == s.sounds.end() ? nullptr : &it->second;
}

void haltInstances(const Mix_Chunk* chunk) {
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel) {
        if (Mix_GetChunk(channel) == chunk) Mix_HaltChannel(channel);
    }
}

std::int32_t playEffect(Mix_Chunk* chunk, bool looping) {
    const int loops = looping ? -1 : 0;
    if (Mix_PlayChannel(-1, chunk, loops) >= 0) return 1;
    // Every effect channel is busy: cut off the one that has sounded longest.
    const int oldest = Mix_GroupOldest(kEffectGroup);
    if (oldest < 0) return 0;
    Mix_HaltChannel(oldest);
    return Mix_PlayChannel(oldest, chunk, loops) >= 0 ? 1 : 0;
}

std::int32_t playMusic(State& s, Mix_Chunk* chunk, bool looping) {
    if (Mix_Playing(kMusicChannel) && Mix_GetChunk(kMusicChannel) == chunk && s.musicLooping == looping) {
        return 1;
    }
    Mix_HaltChannel(kMusicChannel);
    if (Mix_PlayChannel(kMusicChannel, chunk, looping ? -1 : 0) < 0) return 0;
    s.musicLooping = looping;
    return 1;
}

void closeDevice(State& s) {
    Mix_HaltChannel(-1);
    for (auto& [handle, sound] : s.sounds) Mix_FreeChunk(sound.chunk);
    s.sounds.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.device = 0;
    s.musicLooping = false;
}

}  // namespace

extern "C" {

int32_t dsInitialize(intptr_t /*window*/) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (s.device != 0) closeDevice(s);

    // The game's window belongs to Qt; SDL must not take over SIGINT/SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(1 + kEffectChannels);
    Mix_ReserveChannels(1);  // keeps Mix_PlayChannel(-1, ...) off the music channel
    Mix_GroupChannels(1, kEffectChannels, kEffectGroup);
    s.device = nextHandle(s.lastDevice);
    return s.device;
}

int32_t dsCreateDSB(int32_t device, const uint8_t* data, size_t size, int32_t flags) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (device == 0 || device != s.device || !looksLikeWave(data, size)) return 0;

    // The decoder reads the whole image and the chunk owns its (converted)
    // samples, so the caller may drop its buffer as soon as this returns.
    SDL_RWops* source = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (source == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) return 0;

    std::int32_t handle = nextHandle(s.lastSound);
    while (s.sounds.count(handle) != 0) handle = nextHandle(s.lastSound);
    try {
        s.sounds.emplace(handle, Sound{chunk, flags == kMusicFlags});
    } catch (const std::bad_alloc&) {
        Mix_FreeChunk(chunk);
        return 0;
    }
    return handle;
}

int32_t dsPlay(int32_t sound) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    Sound* found = find(s, sound);
    if (found == nullptr) return 0;
    return found->music ? playMusic(s, found->chunk, false) : playEffect(found->chunk, false);
}

int32_t dsPlayLooping(int32_t sound) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    Sound* found = find(s, sound);
    if (found == nullptr) return 0;
    return found->music ? playMusic(s, found->chunk, true) : playEffect(found->chunk, true);
}

int32_t dsStop(int32_t sound) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    Sound* found = find(s, sound);
    if (found == nullptr) return 0;
    haltInstances(found->chunk);
    return 1;
}

int32_t dsFree(int32_t sound) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    Sound* found = find(s, sound);
    if (found == nullptr) return 0;
    haltInstances(found->chunk);
    Mix_FreeChunk(found->chunk);
    s.sounds.erase(sound);
    return 1;
}

int32_t dsTerminate(int32_t device) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (device == 0 || device != s.device) return 0;
    closeDevice(s);
    return 1;
}

}  // extern "C"
