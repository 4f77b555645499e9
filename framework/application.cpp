#include "framework/application.h"

#include <cassert>

namespace {
Application* currentApplication = nullptr;
} // namespace

Application::Application(UINT titleId) : titleId_(titleId) {
    assert(currentApplication == nullptr);
    currentApplication = this;
}

Application::~Application() {
    currentApplication = nullptr;
}

Application& Application::Current() {
    assert(currentApplication != nullptr);
    return *currentApplication;
}

int Application::Run(HINSTANCE instance) {
    AppContext context(instance, LoadResourceString(instance, titleId_));
    InitInstance(context);
    return exitCode_;
}
