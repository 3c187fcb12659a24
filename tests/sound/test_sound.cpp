// The sound library as the game reaches it: through LoadedSoundLibrary and the
// real libbexoru_sound.so, on SDL's dummy audio driver. Also checks the wave
// files make_sounds generated for the build.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sound/sound_loader.h"

namespace {

using bexoru::LoadedSoundLibrary;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t kEffect = 3;
constexpr std::int32_t kMusic = 1;

const std::filesystem::path kSoundDir = BEXORU_TEST_SOUND_DIR;
const char* const kEffectNames[] = {"その他.wav", "禁止.wav", "駒打音.wav"};
const char* const kMusicName = "BGM.wav";

Bytes readFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

Bytes soundFile(const char* name) {
    return readFile(kSoundDir / name);
}

std::uint32_t little(const Bytes& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

struct Wave {
    std::uint32_t riffSize = 0;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    double peak() const {
        int largest = 0;
        for (std::int16_t s : samples) largest = std::max(largest, std::abs(static_cast<int>(s)));
        return largest / 32768.0;
    }
};

// Walks the RIFF chunks; nullopt when the image is not a well-formed wave file.
std::optional<Wave> parseWave(const Bytes& bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    Wave wave;
    wave.riffSize = little(bytes, 4, 4);
    bool haveFormat = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4);
        const std::size_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(little(bytes, body, 2));
            wave.channels = static_cast<int>(little(bytes, body + 2, 2));
            wave.rate = static_cast<int>(little(bytes, body + 4, 4));
            wave.bits = static_cast<int>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(little(bytes, body + i, 2)));
            }
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) return std::nullopt;
    return wave;
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// --- the generated files ------------------------------------------------------

struct Expected {
    const char* name;
    double shortest, longest;  // seconds
};

TEST(GeneratedSounds, AreMonoSixteenBitPcmOfPlausibleLength) {
    const Expected expectations[] = {
        {"その他.wav", 0.2, 0.5}, {"禁止.wav", 0.15, 0.4}, {"駒打音.wav", 0.05, 0.2}, {"BGM.wav", 16.0, 30.0}};
    for (const Expected& e : expectations) {
        SCOPED_TRACE(e.name);
        const Bytes bytes = soundFile(e.name);
        const std::optional<Wave> wave = parseWave(bytes);
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->riffSize, bytes.size() - 8);
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->bits, 16);
        EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100) << wave->rate;
        EXPECT_GE(wave->seconds(), e.shortest);
        EXPECT_LE(wave->seconds(), e.longest);
        EXPECT_LT(bytes.size(), 1'500'000u);
        // Loud enough to hear, with headroom left for mixing.
        EXPECT_GT(wave->peak(), 0.2);
        EXPECT_LT(wave->peak(), 0.95);
    }
}

TEST(GeneratedSounds, EffectsStartAndEndWithoutAClick) {
    for (const char* name : kEffectNames) {
        SCOPED_TRACE(name);
        const std::optional<Wave> wave = parseWave(soundFile(name));
        ASSERT_TRUE(wave.has_value());
        ASSERT_GT(wave->samples.size(), 100u);
        // The strike may start at once, but from silence, and the end is faded out.
        EXPECT_LT(std::abs(static_cast<int>(wave->samples.front())), 1000);
        for (std::size_t i = wave->samples.size() - 10; i < wave->samples.size(); ++i) {
            EXPECT_LT(std::abs(static_cast<int>(wave->samples[i])), 200) << "sample " << i;
        }
    }
}

TEST(GeneratedSounds, MusicLoopsWithoutASeam) {
    const std::optional<Wave> wave = parseWave(soundFile(kMusicName));
    ASSERT_TRUE(wave.has_value());
    const std::vector<std::int16_t>& s = wave->samples;
    ASSERT_GT(s.size(), 2u);
    // Stepping from the last sample back to the first must look like any other
    // step inside the tune, not like a cut.
    long largestStep = 0;
    for (std::size_t i = 1; i < s.size(); ++i) largestStep = std::max(largestStep, std::labs(long{s[i]} - s[i - 1]));
    const long seam = std::labs(long{s.front()} - s.back());
    EXPECT_LE(seam, largestStep / 4) << "largest step inside: " << largestStep;
}

TEST(GeneratedSounds, GeneratorWritesTheSameBytesEveryRun) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bexoru_make_sounds_" + std::to_string(getpid()));
    const std::string command = std::string("\"") + BEXORU_TEST_MAKE_SOUNDS + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) {
        SCOPED_TRACE(name);
        const Bytes again = readFile(folder / name);
        EXPECT_FALSE(again.empty());
        EXPECT_TRUE(again == soundFile(name));
    }
    std::filesystem::remove_all(folder);
}

// --- the library through the loader -----------------------------------------

class SoundLibraryTest : public ::testing::Test {
protected:
    // ctest sets the dummy driver already; this covers running the binary by hand.
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 0); }

    std::int32_t create(std::int32_t device, const char* name, std::int32_t flags) {
        const Bytes bytes = soundFile(name);
        return library.dsCreateDSB(device, bytes.data(), bytes.size(), flags);
    }

    // The four sounds as the game creates them; all handles non-zero and distinct.
    std::vector<std::int32_t> createAll(std::int32_t device) {
        std::vector<std::int32_t> handles;
        for (const char* name : kEffectNames) handles.push_back(create(device, name, kEffect));
        handles.push_back(create(device, kMusicName, kMusic));
        for (std::int32_t h : handles) EXPECT_NE(h, 0);
        EXPECT_EQ(std::set<std::int32_t>(handles.begin(), handles.end()).size(), handles.size());
        return handles;
    }

    LoadedSoundLibrary library{BEXORU_TEST_SOUND_LIBRARY};
};

TEST_F(SoundLibraryTest, PlaysLoopsStopsAndFreesEachSound) {
    const std::int32_t device = library.dsInitialize(0);
    ASSERT_NE(device, 0) << library.loadError();
    std::vector<std::int32_t> sounds = createAll(device);
    // The library keeps nothing of the caller's buffer: wipe and drop it before playing.
    Bytes bytes = soundFile(kEffectNames[2]);
    sounds.push_back(library.dsCreateDSB(device, bytes.data(), bytes.size(), kEffect));
    ASSERT_NE(sounds.back(), 0);
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0xA5});
    Bytes().swap(bytes);

    for (std::int32_t sound : sounds) EXPECT_EQ(library.dsPlay(sound), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // let the mixer run over them
    for (std::int32_t sound : sounds) {
        EXPECT_EQ(library.dsPlayLooping(sound), 1);
        EXPECT_EQ(library.dsStop(sound), 1);
        EXPECT_EQ(library.dsStop(sound), 1);  // stopping a silent sound is fine
        EXPECT_EQ(library.dsFree(sound), 1);
    }
    // Freed handles are unknown from then on.
    for (std::int32_t sound : sounds) {
        EXPECT_EQ(library.dsPlay(sound), 0);
        EXPECT_EQ(library.dsFree(sound), 0);
    }
    EXPECT_EQ(library.dsTerminate(device), 1);
    EXPECT_EQ(library.dsTerminate(device), 0);
}

TEST_F(SoundLibraryTest, MoreEffectsThanChannelsStillPlayAlongsideTheMusic) {
    const std::int32_t device = library.dsInitialize(0);
    ASSERT_NE(device, 0);
    const std::vector<std::int32_t> sounds = createAll(device);
    const std::int32_t music = sounds.back();
    EXPECT_EQ(library.dsPlayLooping(music), 1);
    EXPECT_EQ(library.dsPlayLooping(music), 1);  // already looping: left alone
    EXPECT_EQ(library.dsPlayLooping(sounds[0]), 1);
    // Far more overlapping clacks than there are channels: the oldest give way.
    for (int i = 0; i < 40; ++i) EXPECT_EQ(library.dsPlay(sounds[2]), 1) << "clack " << i;
    EXPECT_EQ(library.dsPlay(music), 1);  // switching the music to play once
    EXPECT_EQ(library.dsStop(music), 1);
    EXPECT_EQ(library.dsTerminate(device), 1);
}

TEST_F(SoundLibraryTest, IgnoresZeroAndUnknownHandles) {
    const Bytes bytes = soundFile(kEffectNames[0]);
    // Before any device exists.
    EXPECT_EQ(library.dsCreateDSB(1, bytes.data(), bytes.size(), kEffect), 0);
    EXPECT_EQ(library.dsPlay(1), 0);
    EXPECT_EQ(library.dsTerminate(1), 0);

    const std::int32_t device = library.dsInitialize(0);
    ASSERT_NE(device, 0);
    for (const std::int32_t handle : {0, 12345, -7}) {
        SCOPED_TRACE(handle);
        EXPECT_EQ(library.dsPlay(handle), 0);
        EXPECT_EQ(library.dsPlayLooping(handle), 0);
        EXPECT_EQ(library.dsStop(handle), 0);
        EXPECT_EQ(library.dsFree(handle), 0);
        EXPECT_EQ(library.dsCreateDSB(handle, bytes.data(), bytes.size(), kEffect), 0);
        EXPECT_EQ(library.dsTerminate(handle), 0);
    }
    EXPECT_EQ(library.dsCreateDSB(device + 1, bytes.data(), bytes.size(), kEffect), 0);
    EXPECT_EQ(library.dsTerminate(device + 1), 0);
    // None of that disturbed the real device.
    const std::int32_t sound = library.dsCreateDSB(device, bytes.data(), bytes.size(), kEffect);
    EXPECT_NE(sound, 0);
    EXPECT_EQ(library.dsPlay(sound), 1);
    EXPECT_EQ(library.dsTerminate(device), 1);
}

TEST_F(SoundLibraryTest, RejectsDataThatIsNotAWaveFile) {
    const std::int32_t device = library.dsInitialize(0);
    ASSERT_NE(device, 0);
    const Bytes good = soundFile(kEffectNames[0]);

    EXPECT_EQ(library.dsCreateDSB(device, nullptr, 1000, kEffect), 0);
    EXPECT_EQ(library.dsCreateDSB(device, good.data(), 0, kEffect), 0);

    Bytes garbage(4000);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 151 + 7);
    EXPECT_EQ(library.dsCreateDSB(device, garbage.data(), garbage.size(), kEffect), 0);

    EXPECT_EQ(library.dsCreateDSB(device, good.data(), 20, kEffect), 0);  // header cut short

    Bytes notWave = good;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_EQ(library.dsCreateDSB(device, notWave.data(), notWave.size(), kEffect), 0);

    Bytes badFormat = good;  // RIFF/WAVE on the outside, nonsense where the fmt chunk belongs
    std::fill(badFormat.begin() + 12, badFormat.begin() + 44, std::uint8_t{0xFF});
    EXPECT_EQ(library.dsCreateDSB(device, badFormat.data(), badFormat.size(), kEffect), 0);

    // A sound padded beyond 64 MiB is not decoded at all.
    Bytes huge = good;
    huge.resize(std::size_t{64} * 1024 * 1024 + 1);
    EXPECT_EQ(library.dsCreateDSB(device, huge.data(), huge.size(), kEffect), 0);
    Bytes().swap(huge);

    // The device is still fine afterwards.
    EXPECT_NE(library.dsCreateDSB(device, good.data(), good.size(), kEffect), 0);
    EXPECT_EQ(library.dsTerminate(device), 1);
}

TEST_F(SoundLibraryTest, InitialisingAgainStartsAFreshDevice) {
    const std::int32_t first = library.dsInitialize(0);
    ASSERT_NE(first, 0);
    const std::vector<std::int32_t> old = createAll(first);
    EXPECT_EQ(library.dsPlayLooping(old.back()), 1);

    // As when a record is loaded: initialise again and create the four sounds anew.
    const std::int32_t second = library.dsInitialize(0);
    ASSERT_NE(second, 0);
    EXPECT_NE(second, first);
    const std::vector<std::int32_t> fresh = createAll(second);
    for (std::int32_t sound : fresh) EXPECT_EQ(std::count(old.begin(), old.end(), sound), 0);
    EXPECT_EQ(library.dsPlayLooping(fresh.back()), 1);
    EXPECT_EQ(library.dsPlay(fresh[2]), 1);

    // The first device's handles went with it.
    for (std::int32_t sound : old) {
        EXPECT_EQ(library.dsPlay(sound), 0);
        EXPECT_EQ(library.dsFree(sound), 0);
    }
    EXPECT_EQ(library.dsTerminate(first), 0);
    EXPECT_EQ(library.dsPlay(fresh[0]), 1);

    // And after a proper shutdown the device can be opened once more.
    EXPECT_EQ(library.dsTerminate(second), 1);
    const std::int32_t third = library.dsInitialize(0);
    ASSERT_NE(third, 0);
    createAll(third);
    EXPECT_EQ(library.dsTerminate(third), 1);
}

TEST_F(SoundLibraryTest, NoAudioDeviceGivesZeroAndHarmlessCalls) {
    {
        ScopedEnv noDriver("SDL_AUDIODRIVER", "no-such-driver");
        const std::int32_t device = library.dsInitialize(0);
        EXPECT_EQ(device, 0);
        const Bytes bytes = soundFile(kEffectNames[0]);
        EXPECT_EQ(library.dsCreateDSB(device, bytes.data(), bytes.size(), kEffect), 0);
        EXPECT_EQ(library.dsPlay(1), 0);
        EXPECT_EQ(library.dsTerminate(device), 0);
    }
    // A failed start leaves nothing behind that stops a later one.
    const std::int32_t device = library.dsInitialize(0);
    EXPECT_NE(device, 0);
    EXPECT_EQ(library.dsTerminate(device), 1);
}

// A device left open is closed when the loader goes away, so a later owner starts clean.
TEST_F(SoundLibraryTest, DestroyingTheLoaderClosesItsDevice) {
    std::int32_t device = 0;
    {
        LoadedSoundLibrary owner(BEXORU_TEST_SOUND_LIBRARY);
        device = owner.dsInitialize(0);
        ASSERT_NE(device, 0);
        const Bytes bytes = soundFile(kMusicName);
        EXPECT_EQ(owner.dsPlayLooping(owner.dsCreateDSB(device, bytes.data(), bytes.size(), kMusic)), 1);
    }
    EXPECT_EQ(library.dsTerminate(device), 0);
    const std::int32_t next = library.dsInitialize(0);
    EXPECT_NE(next, 0);
    EXPECT_EQ(library.dsTerminate(next), 1);
}

// --- loading the library -------------------------------------------------------

void expectSilent(LoadedSoundLibrary& library) {
    const Bytes bytes = soundFile(kEffectNames[0]);
    EXPECT_EQ(library.dsInitialize(0), 0);
    EXPECT_FALSE(library.loadError().empty());
    EXPECT_EQ(library.dsCreateDSB(1, bytes.data(), bytes.size(), kEffect), 0);
    EXPECT_EQ(library.dsPlay(1), 0);
    EXPECT_EQ(library.dsPlayLooping(1), 0);
    EXPECT_EQ(library.dsStop(1), 0);
    EXPECT_EQ(library.dsFree(1), 0);
    EXPECT_EQ(library.dsTerminate(1), 0);
    EXPECT_EQ(library.dsInitialize(0), 0);  // and it does not start working on a second try
}

TEST(SoundLoader, MissingLibraryLeavesTheGameSilent) {
    LoadedSoundLibrary library("/nonexistent/folder/libbexoru_sound.so");
    expectSilent(library);
}

TEST(SoundLoader, LibraryWithoutTheFunctionsLeavesTheGameSilent) {
    LoadedSoundLibrary library("libc.so.6");
    expectSilent(library);
    EXPECT_NE(library.loadError().find("dsInitialize"), std::string::npos) << library.loadError();
}

TEST(SoundLoader, SearchesBesideTheProgramThenItsInstalledFolderThenByName) {
    EXPECT_EQ(LoadedSoundLibrary::searchPaths("/usr/bin", "../lib/x86_64-linux-gnu/bexoru"),
              (std::vector<std::string>{"/usr/bin/libbexoru_sound.so",
                                        "/usr/lib/x86_64-linux-gnu/bexoru/libbexoru_sound.so", "libbexoru_sound.so"}));
    EXPECT_EQ(LoadedSoundLibrary::searchPaths("/home/u/build", ""),
              (std::vector<std::string>{"/home/u/build/libbexoru_sound.so", "libbexoru_sound.so"}));
    EXPECT_EQ(LoadedSoundLibrary::searchPaths("", "../lib/bexoru"), std::vector<std::string>{"libbexoru_sound.so"})
        << "without the program's folder only the loader's own search is left";
}

TEST(SoundLoader, FindsTheLibraryNextToTheExecutable) {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    ASSERT_FALSE(error);
    if (!std::filesystem::exists(exe.parent_path() / LoadedSoundLibrary::kLibraryName)) {
        GTEST_SKIP() << "the library is not built next to this test";
    }
    // In a freshly started process: once the library is loaded, the dynamic
    // loader would hand it out by name alone and prove nothing about the search.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "dummy", 0);
            LoadedSoundLibrary library;
            const std::int32_t device = library.dsInitialize(0);
            std::exit(device != 0 && library.dsTerminate(device) == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
