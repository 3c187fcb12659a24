#include "settings/locations.h"

#include <algorithm>

#include "settings/settings_file.h"

namespace bexoru {

namespace fs = std::filesystem;

std::vector<fs::path> データフォルダ候補(const fs::path& プログラムのフォルダ, const fs::path& binからdataへ,
                                         const fs::path& 導入先データフォルダ) {
    std::vector<fs::path> 候補;
    auto 加える = [&](const fs::path& p) {
        if (p.empty()) return;
        const fs::path 整えた = p.lexically_normal();
        if (std::find(候補.begin(), 候補.end(), 整えた) == 候補.end()) 候補.push_back(整えた);
    };
    加える(プログラムのフォルダ);
    if (!プログラムのフォルダ.empty() && !binからdataへ.empty()) 加える(プログラムのフォルダ / binからdataへ);
    加える(導入先データフォルダ);
    return 候補;
}

データの置き場所 データフォルダを選ぶ(const std::vector<fs::path>& 候補, const パス判定& 有る) {
    for (std::size_t i = 0; i < 候補.size(); ++i) {
        bool データあり = 有る(候補[i] / ヘルプファイル名);
        for (std::string_view 名 : 音ファイル名) データあり = データあり || 有る(候補[i] / 名);
        if (データあり) return {候補[i], i > 0};
    }
    return {候補.empty() ? fs::path{} : 候補.front(), false};
}

std::vector<std::string> 足りない音ファイル(const fs::path& フォルダ, const パス判定& 有る) {
    std::vector<std::string> 足りない;
    for (std::string_view 名 : 音ファイル名)
        if (!有る(フォルダ / 名)) 足りない.emplace_back(名);
    return 足りない;
}

std::string 音ファイルの知らせ(const std::vector<std::string>& 足りない, const fs::path& フォルダ) {
    if (足りない.empty()) return {};
    std::string 文 = "効果音ファイルが見つかりません: ";
    for (std::size_t i = 0; i < 足りない.size(); ++i) {
        if (i > 0) 文 += ", ";
        文 += 足りない[i];
    }
    文 += " (" + フォルダ.string() + ")";
    return 文;
}

fs::path 利用者設定フォルダ(const char* xdg_config_home, const char* home) {
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    if (xdg_config_home != nullptr && xdg_config_home[0] == '/') return fs::path(xdg_config_home) / "bexoru";
    if (home != nullptr && home[0] == '/') return fs::path(home) / ".config" / "bexoru";
    return {};
}

環境設定の置き場所 環境設定ファイルを選ぶ(const fs::path& 利用者設定フォルダ, const fs::path& 起動フォルダ,
                                          const パス判定& 有る) {
    const fs::path 名(std::string{環境設定ファイル名});
    const fs::path 起動側 = 起動フォルダ / 名;
    if (利用者設定フォルダ.empty()) return {起動側, 起動側};
    const fs::path 利用者側 = 利用者設定フォルダ / 名;
    if (有る(利用者側) || !有る(起動側)) return {利用者側, 利用者側};
    return {起動側, 利用者側};
}

fs::path 棋譜フォルダを選ぶ(const データの置き場所& データ, const fs::path& 文書フォルダ, const fs::path& ホーム,
                            const パス判定& 書ける) {
    if (!データ.導入済 && !データ.フォルダ.empty() && 書ける(データ.フォルダ)) return データ.フォルダ;
    for (const fs::path& p : {文書フォルダ, ホーム})
        if (!p.empty() && 書ける(p)) return p;
    return データ.フォルダ;
}

}  // namespace bexoru
