// The in-process tests run inside an application object, as the launcher's code does.
#include "framework/application.h"

namespace {
class TestApplication : public Application {
  protected:
    bool InitInstance() override { return false; }
};
TestApplication application;
} // namespace
