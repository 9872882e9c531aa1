#include "app/startup_core.h"

#include "common/cp932.h"

#include <cstring>

std::string FolderWithSlash(const std::string &dir)
{
    if (dir.size() >= 1 && dir.compare(1, std::string::npos, ":\\") == 0)
        return dir;
    return dir + "\\";
}

// Copies text into a field of the given size when it fits whole.
static bool CopyWhole(char *field, size_t size, const std::string &text)
{
    if (text.size() + 1 > size)
        return false;
    std::memcpy(field, text.c_str(), text.size() + 1);
    return true;
}

void BuildStartupPaths(const char *currentDir, const char *modulePath,
                       const char *windowsDir, StartupPaths *paths)
{
    std::memset(paths, 0, sizeof *paths);

    std::string curDir = FolderWithSlash(currentDir);
    std::string workDir = curDir + "mycfg\\";
    if (workDir.size() + WORK_FILE_NAME_RESERVE < WORK_DIR_SIZE) {
        CopyWhole(paths->szCurDir, CUR_DIR_SIZE, curDir);
        CopyWhole(paths->szWorkDir, WORK_DIR_SIZE, workDir);
    } else {
        paths->bCurDirTooLong = true;
    }

    size_t moduleLen = std::strlen(modulePath);
    size_t keep = cp932::CutOnCharBoundary(modulePath, moduleLen, MODULE_SIZE - 1);
    std::memcpy(paths->szModule, modulePath, keep);
    paths->bModuleCut = keep < moduleLen;

    size_t driveLen = cp932::CutOnCharBoundary(windowsDir, std::strlen(windowsDir), 3);
    std::memcpy(paths->szSysDrive, windowsDir, driveLen);
    if (driveLen > 0)
        std::memcpy(paths->szSysDriveNoSlash, windowsDir, driveLen - 1);

    std::strcpy(paths->CfgFiles[0], "config.cfg");
    std::strcpy(paths->CfgFiles[1], "ubuttons.cfg");
}

std::string InstanceMutexName(const char *modulePath, unsigned n)
{
    std::string name;
    size_t len = std::strlen(modulePath);
    for (size_t at = 0; at < len;) {
        size_t step = cp932::CharLength(modulePath + at, modulePath + len);
        if (step == 1 && modulePath[at] == '\\')
            name += '/';
        else
            name.append(modulePath + at, step);
        at += step;
    }
    if (n != 0)
        name += std::to_string(n);
    return name;
}
