#pragma once
// What the record panel offers as "drives" on Linux: the root folder, the
// user's home folder and the mounted volumes a user keeps files on (disks,
// removable media, network shares), without the system's own mounts.

#include <QString>
#include <QStringList>
#include <vector>

namespace bexoru::qt {

struct Drive {
    QString path;   // the folder the folder list opens at
    QString label;  // what the drive list shows
};

// "/" first, then the home folder, then the mounted volumes by path.
std::vector<Drive> listDrives();

// Whether a mount at this place, of this file system type and device, is one
// a user would keep files on.
bool isUserVolume(const QString& rootPath, const QString& fileSystemType, const QString& device);

// The drive a folder lies on: the one with the longest path that contains it.
int driveOf(const std::vector<Drive>& drives, const QString& folder);

}  // namespace bexoru::qt
