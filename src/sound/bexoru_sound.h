#pragma once
// libbexoru_sound.so: the game's sound library, a thin layer over SDL2_mixer.
// The game never links it; LoadedSoundLibrary opens it by name at run time and
// looks these seven functions up, so their names and signatures are fixed.
//
// Handles are positive 32-bit integers; 0 means "none". Every function accepts
// a 0 or unknown handle, does nothing and returns 0. The functions that act on
// a sound return 1 when they did what was asked.
//
// - dsInitialize opens the audio device and returns its handle, 0 when there is
//   no audio. Calling it again while a device is open closes that device (its
//   sounds are freed and their handles become unknown) and opens a fresh one.
// - dsCreateDSB decodes a whole wave file image into a sound of that device;
//   an image larger than 64 MiB is refused. Nothing of the caller's buffer is kept. Flags 1 makes background music,
//   which always plays on a channel of its own; anything else (the game uses 3)
//   makes an effect. Effects share the other channels, so several can sound at
//   once, and playing an effect again starts another instance; when all effect
//   channels are busy the oldest is cut off.
// - dsPlay plays a sound once, dsPlayLooping loops it until dsStop; both return
//   at once. Starting the music that is already playing the same way leaves it
//   undisturbed.
// - dsStop silences every instance of a sound; dsFree stops and releases it.
// - dsTerminate frees every sound of the device and closes it.

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define BEXORU_SOUND_API __attribute__((visibility("default")))
#else
#define BEXORU_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

BEXORU_SOUND_API int32_t dsInitialize(intptr_t window);
BEXORU_SOUND_API int32_t dsCreateDSB(int32_t device, const uint8_t* data, size_t size, int32_t flags);
BEXORU_SOUND_API int32_t dsPlay(int32_t sound);
BEXORU_SOUND_API int32_t dsPlayLooping(int32_t sound);
BEXORU_SOUND_API int32_t dsStop(int32_t sound);
BEXORU_SOUND_API int32_t dsFree(int32_t sound);
BEXORU_SOUND_API int32_t dsTerminate(int32_t device);

// The same functions as pointer types, for callers that resolve them with dlsym.
typedef int32_t (*BexoruDsInitializeFn)(intptr_t);
typedef int32_t (*BexoruDsCreateDsbFn)(int32_t, const uint8_t*, size_t, int32_t);
typedef int32_t (*BexoruDsSoundFn)(int32_t);

#ifdef __cplusplus
}
#endif
