#pragma once
// The fixed order of the process: construct the installer, start COM, Init,
// Run, Finish, stop COM, destroy. A failed Init or Run skips Finish and the
// COM shutdown. The process always answers 0.

template <class Installer, class Com>
int RunInstallerLifecycle(void* instance, Com& com) {
    Installer installer;
    com.Initialise();
    if (installer.Init(instance) && installer.Run()) {
        installer.Finish();
        com.Uninitialise();
    }
    return 0;
}
