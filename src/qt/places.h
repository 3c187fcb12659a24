#pragma once
// Where this run of the game keeps its files: the data folder (help page and
// sounds), the settings file, the folder the record panel opens in, and what
// to tell the player about missing wave files. The rules are those of
// settings/locations.h; this file supplies the real places: the program's
// folder, the install layout it was built for, the XDG variables and the
// user's documents folder.

#include <QString>
#include <filesystem>
#include <string>

#include "settings/locations.h"

namespace bexoru::qt {

struct ProgramPlaces {
    データの置き場所 data;
    環境設定の置き場所 settings;
    std::filesystem::path records;
    std::string soundNotice;  // empty when every wave file is there
};

// Needs a QCoreApplication (for the program's folder).
ProgramPlaces findProgramPlaces();

}  // namespace bexoru::qt
