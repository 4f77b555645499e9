// The in-process tests run inside an application object, as the launcher's code does.
#include "framework/application.h"

namespace {
class TestApplication : public Application {
  protected:
    bool InitInstance() override { return false; }
};
TestApplication application;
} // namespace

// The launcher's process-wide strings and font, which the executable defines beside its application object.
#include <string>

#include "framework/handles.h"

std::string GameExePath;
std::string GameFolder;
FontHandle GroupBoxFont;
