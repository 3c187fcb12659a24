// Loading one wave file: when it is silent, when it warns, what it hands over.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "support/recording_port.h"
#include "play/sound_module.h"

namespace bexoru::test {
namespace {

namespace fs = std::filesystem;

TEST(SoundModule, LoadingAWaveFile) {
    const fs::path dir = fs::temp_directory_path() / ("bexoru_sound_module_" + std::to_string(::getpid()));
    fs::create_directories(dir / "folder.wav");
    std::ofstream(dir / "ok.wav", std::ios::binary) << "RIFFdata";
    std::ofstream(dir / "empty.wav", std::ios::binary);
    // Sparse files: their size costs no disk space.
    std::ofstream(dir / "largest.wav", std::ios::binary) << "RIFFdata";
    fs::resize_file(dir / "largest.wav", 音ファイル上限);
    std::ofstream(dir / "huge.wav", std::ios::binary) << "RIFFdata";
    fs::resize_file(dir / "huge.wav", 音ファイル上限 + 1);

    struct Row {
        const char* name;
        const char* file;
        std::int32_t device;
        bool loads;
        const char* warning;  // nullptr: no message
    };
    const Row rows[] = {
        {"a readable file is handed over whole", "ok.wav", 1, true, nullptr},
        {"a missing file is silent", "missing.wav", 1, false, nullptr},
        {"a folder of that name is not a file", "folder.wav", 1, false, nullptr},
        {"no device: not even read", "ok.wav", 0, false, nullptr},
        {"an empty file cannot be a sound", "empty.wav", 1, false, "empty.wav"},
        {"a file of 64 MiB is still read", "largest.wav", 1, true, nullptr},
        {"a larger one is refused unread", "huge.wav", 1, false, "huge.wav"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingPort port;
        FakeSound sound;
        音モジュール module(sound, port);
        module.音装置 = row.device;
        const std::int32_t handle = module.音_読込(dir / row.file, 3);
        EXPECT_EQ(handle != 0, row.loads);
        if (row.loads) {
            EXPECT_EQ(sound.created[handle].size, fs::file_size(dir / row.file));
            EXPECT_EQ(sound.created[handle].head, "RIFF");
            EXPECT_EQ(sound.created[handle].flags, 3);
        } else {
            EXPECT_TRUE(sound.created.empty());
        }
        const auto messages = port.of(Call::Message);
        if (row.warning) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, "Bexoru.dll");
            EXPECT_TRUE(messages[0].flag) << "with the exclamation icon";
            EXPECT_NE(messages[0].name.find(row.warning), std::string::npos) << messages[0].name;
        } else {
            EXPECT_TRUE(messages.empty());
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace bexoru::test
