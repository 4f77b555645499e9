// The in-process tests run inside the start-up of an application object, as the launcher's own code
// does: the title, the string table and the dialog templates come from the launcher's resources, which
// are linked into this program.
#include <gtest/gtest.h>

#include <string>

#include "framework/application.h"
#include "framework/handles.h"

// The launcher's process-wide strings and font, which the executable defines beside its application object.
std::string GameExePath;
std::string GameFolder;
FontHandle GroupBoxFont;

namespace {
int testStatus = 1;

class TestApplication : public Application {
  protected:
    bool InitInstance() override {
        testStatus = RUN_ALL_TESTS();
        return false;
    }
};
TestApplication application;
} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    Application::Current().Run(GetModuleHandleA(nullptr));
    return testStatus;
}
