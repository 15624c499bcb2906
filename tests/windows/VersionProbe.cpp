// Carries setup.exe's manifest and answers 0 when GetVersionExW reports the
// version given as "major.minor": proves both the harness's version switch and
// that the manifest's supportedOS entries lift 8.1 and 10 above 6.2.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return 3;
    char seen[32];
    std::snprintf(seen, sizeof seen, "%lu.%lu", info.dwMajorVersion, info.dwMinorVersion);
    std::printf("Windows reports %s, expected %s\n", seen, argv[1]);
    return std::strcmp(seen, argv[1]) == 0 ? 0 : 1;
}
