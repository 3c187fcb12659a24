#include "qt/places.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <system_error>

namespace bexoru::qt {

namespace fs = std::filesystem;

namespace {

bool exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

bool writableFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

fs::path path(const QString& s) {
    return s.isEmpty() ? fs::path{} : fs::path(s.toStdString());
}

}  // namespace

ProgramPlaces findProgramPlaces() {
    ProgramPlaces places;
    const fs::path programFolder = path(QCoreApplication::applicationDirPath());
    places.data = データフォルダを選ぶ(データフォルダ候補(programFolder, BEXORU_BIN_TO_DATA, BEXORU_DATADIR), exists);
    places.settings = 環境設定ファイルを選ぶ(利用者設定フォルダ(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                                             places.data.フォルダ, exists);
    places.records =
        棋譜フォルダを選ぶ(places.data, path(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
                           path(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)), writableFolder);
    places.soundNotice = 音ファイルの知らせ(足りない音ファイル(places.data.フォルダ, exists), places.data.フォルダ);
    return places;
}

}  // namespace bexoru::qt
