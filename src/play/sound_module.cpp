#include "play/sound_module.h"

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace bexoru {

void 音モジュール::音_初期化(std::intptr_t window) {
    音装置 = lib.dsInitialize(window);
    if (音装置 == 0) 音_警告("Direct Soundインターフェースが作成できません。");
}

std::int32_t 音モジュール::音_読込(const std::filesystem::path& file, std::int32_t flags) {
    if (音装置 == 0) return 0;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return 0;
    const std::uintmax_t 大きさ = std::filesystem::file_size(file, ec);
    if (!ec && 大きさ > 音ファイル上限) {
        音_警告(std::generic_category().message(EFBIG) + ": " + file.filename().string());
        return 0;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) {
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size > 0 && static_cast<std::uintmax_t>(size) <= 音ファイル上限) {
            bytes.resize(static_cast<std::size_t>(size));
            in.read(reinterpret_cast<char*>(bytes.data()), size);
        }
    }
    if (!in || bytes.empty()) {
        // The system's own words for what went wrong, when it has any.
        const int error = errno;
        const std::string why = error != 0 ? std::generic_category().message(error) : "ファイルを読み込めません";
        音_警告(why + ": " + file.filename().string());
        return 0;
    }
    return lib.dsCreateDSB(音装置, bytes.data(), bytes.size(), flags);
}

void 音モジュール::音_終了() {
    if (音装置 != 0) lib.dsTerminate(音装置);
    音装置 = 0;
}

void 音モジュール::音_警告(std::string_view text) {
    port.messageBox("Bexoru.dll", text, true);
}

void 音モジュール::全音読込(const std::filesystem::path& folder) {
    音_その他 = 音_読込(folder / "その他.wav", 3);
    音_禁止 = 音_読込(folder / "禁止.wav", 3);
    音_駒打 = 音_読込(folder / "駒打音.wav", 3);
    音_BGM = 音_読込(folder / "BGM.wav", 1);
}

void 音モジュール::全音解放() {
    lib.dsFree(音_その他);
    lib.dsFree(音_禁止);
    lib.dsFree(音_駒打);
    lib.dsFree(音_BGM);
    音_その他 = 音_禁止 = 音_駒打 = 音_BGM = 0;
    音_終了();
}

}  // namespace bexoru
