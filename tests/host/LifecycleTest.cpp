// The order of the process stages, with a recording installer.
#include <gtest/gtest.h>

#include <string>

#include "control/Lifecycle.h"

namespace {

std::string journal;
int initResult, runResult;

struct RecordingInstaller {
    RecordingInstaller() { journal += "construct "; }
    ~RecordingInstaller() { journal += "destroy"; }
    int Init(void* instance) {
        journal += instance ? "init " : "init(null) ";
        return initResult;
    }
    int Run() {
        journal += "run ";
        return runResult;
    }
    void Finish() { journal += "finish "; }
};

struct RecordingCom {
    void Initialise() { journal += "com "; }
    void Uninitialise() { journal += "uncom "; }
};

TEST(Lifecycle, StagesRunInOrderAndFailuresSkipFinish) {
    const struct {
        int init, run;
        const char* expected;
    } cases[] = {
        {1, 1, "construct com init run finish uncom destroy"},
        {0, 1, "construct com init destroy"},
        {1, 0, "construct com init run destroy"},
    };
    int instance = 0;
    for (const auto& c : cases) {
        journal.clear();
        initResult = c.init;
        runResult = c.run;
        RecordingCom com;
        EXPECT_EQ((RunInstallerLifecycle<RecordingInstaller>(&instance, com)), 0);
        EXPECT_EQ(journal, c.expected);
    }
}

}  // namespace
