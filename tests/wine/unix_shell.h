// Shell commands on the Unix side of Wine, for tests that need what Windows cannot do here (the
// immutable flag, moving a folder away under a running program). Header-only: both Windows test
// programs include it.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>

namespace unix_shell {

// Folder of this test program, with a trailing "\"; on the drive that maps the Unix root, so both sides
// can name what lies there.
inline std::string ThisExeFolder() {
    char path[MAX_PATH];
    const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

// "Z:\a\b" -> "/a/b": Wine maps the Unix root to drive Z:.
inline std::string UnixPath(std::string path) {
    if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':')
        path.erase(0, 2);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

// Runs a shell command line on the Unix side and gives its exit status (-1 when it did not finish in
// time). Wine starts Unix programs but does not pass their status back, so the shell writes it to a file,
// whole at once.
inline int RunUnix(const std::string& command, DWORD timeoutMs = 10000) {
    const std::string statusFile = ThisExeFolder() + "unix-status-" + std::to_string(GetCurrentProcessId());
    const std::string status = UnixPath(statusFile);
    DeleteFileA(statusFile.c_str());
    std::string line = "/bin/sh -c \"export PATH=/usr/sbin:/usr/bin:/sbin:/bin; " + command +
                       "; echo $? > '" + status + ".part'; mv '" + status + ".part' '" + status + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        int exitStatus = -1;
        if (std::ifstream(statusFile) >> exitStatus) {
            DeleteFileA(statusFile.c_str());
            return exitStatus;
        }
        Sleep(10);
    }
    return -1;
}

// Mounts a small memory file system of `size` (such as "64k") on the existing folder `folder`: the tests'
// full and read-only drives. Needs root; false where the machine does not allow it.
inline bool MountSmallDisk(const std::string& folder, const std::string& size) {
    return RunUnix("mount -t tmpfs -o size=" + size + " skv-small-disk '" + UnixPath(folder) + "'") == 0;
}

// Fills every block left on the disk mounted on `folder` with a file "filler" there (the last write
// stops short at the end of the space); true when no room is left.
inline bool FillDisk(const std::string& folder) {
    const std::string unix = UnixPath(folder);
    return RunUnix("dd if=/dev/zero of='" + unix + "/filler' bs=4k 2>/dev/null; [ $(df --output=avail -k '" +
                   unix + "' | tail -1) -eq 0 ]") == 0;
}

// Unmounts every file system mounted anywhere below `folder`, wherever a test has moved it there.
inline void UnmountBelow(const std::string& folder) {
    RunUnix("for m in $(awk '{print $2}' /proc/mounts | grep -F '" + UnixPath(folder) +
            "'); do umount -l $m; done");
}

} // namespace unix_shell
