#include "qt/drives.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace bexoru::qt {

namespace {

bool under(const QString& path, const QString& folder) {
    if (folder == "/") return path.startsWith('/');
    return path == folder || path.startsWith(folder + '/');
}

}  // namespace

bool isUserVolume(const QString& rootPath, const QString& fileSystemType, const QString& device) {
    if (rootPath == "/") return false;  // listed first anyway
    // Removable media and hand-made mounts are what the user means by a drive.
    for (const char* place : {"/media", "/mnt", "/run/media"}) {
        if (under(rootPath, QString::fromLatin1(place)) && rootPath != QString::fromLatin1(place)) return true;
    }
    // The system's own mounts: kernel interfaces, boot files, runtime state, snaps.
    for (const char* place : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/efi", "/var/lib"}) {
        if (under(rootPath, QString::fromLatin1(place))) return false;
    }
    static const QStringList virtualTypes = {"tmpfs",   "devtmpfs", "proc",   "sysfs",       "cgroup", "cgroup2",
                                             "overlay", "squashfs", "autofs", "fuse.portal", "nsfs",   "ramfs"};
    if (virtualTypes.contains(fileSystemType)) return false;
    // A disk partition or a network share mounted elsewhere (/home, /srv, /data).
    return device.startsWith("/dev/") || device.contains(":/") || device.startsWith("//");
}

std::vector<Drive> listDrives() {
    std::vector<Drive> drives;
    drives.push_back({"/", "/"});
    const QString home = QDir::homePath();
    if (home != "/" && !home.isEmpty()) drives.push_back({home, home});

    std::vector<Drive> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid()) continue;
        const QString root = volume.rootPath();
        if (root == home) continue;
        if (!isUserVolume(root, QString::fromUtf8(volume.fileSystemType()), QString::fromUtf8(volume.device())))
            continue;
        const QString name = volume.displayName();
        volumes.push_back({root, name.isEmpty() || name == root ? root : root + "  [" + name + "]"});
    }
    std::sort(volumes.begin(), volumes.end(), [](const Drive& a, const Drive& b) { return a.path < b.path; });
    volumes.erase(
        std::unique(volumes.begin(), volumes.end(), [](const Drive& a, const Drive& b) { return a.path == b.path; }),
        volumes.end());
    drives.insert(drives.end(), volumes.begin(), volumes.end());
    return drives;
}

int driveOf(const std::vector<Drive>& drives, const QString& folder) {
    int best = 0;
    qsizetype bestLength = -1;
    for (int i = 0; i < static_cast<int>(drives.size()); ++i) {
        const QString& path = drives[static_cast<std::size_t>(i)].path;
        if (under(folder, path) && path.size() > bestLength) {
            best = i;
            bestLength = path.size();
        }
    }
    return best;
}

}  // namespace bexoru::qt
