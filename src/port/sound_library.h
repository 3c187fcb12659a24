#pragma once
// The sound library's seven operations as the core calls them. The real
// implementation loads the program's own shared library by name at the first
// call; tests use a fake. Handles are 32-bit integers, 0 meaning "none", and
// every operation must accept a 0 handle and ignore it.

#include <cstddef>
#include <cstdint>

namespace bexoru {

class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;

    // Starts the audio device; 0 when there is none.
    virtual std::int32_t dsInitialize(std::intptr_t window) = 0;
    // Creates a sound from a whole wave file (header included); the library
    // copies what it needs before it returns. Flags: 3 = effect, 1 = music.
    virtual std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* data, std::size_t size,
                                     std::int32_t flags) = 0;
    virtual std::int32_t dsPlay(std::int32_t sound) = 0;
    virtual std::int32_t dsPlayLooping(std::int32_t sound) = 0;
    virtual std::int32_t dsStop(std::int32_t sound) = 0;
    virtual std::int32_t dsFree(std::int32_t sound) = 0;
    virtual std::int32_t dsTerminate(std::int32_t device) = 0;
};

}  // namespace bexoru
