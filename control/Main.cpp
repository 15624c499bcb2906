// Process entry of setup.exe.
#include <windows.h>
#include <objbase.h>

#include "control/CInstall.h"
#include "control/Lifecycle.h"

namespace {

struct ComApartment {
    void Initialise() { CoInitializeEx(nullptr, 0); }
    void Uninitialise() { CoUninitialize(); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ComApartment com;
    return RunInstallerLifecycle<CInstall>(instance, com);
}
