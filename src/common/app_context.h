#pragma once

#include <string>

#include "common/platform_handles.h"

// Facts about the running process that both programs keep in one place.
class AppContext {
 public:
  static AppContext& Instance();

  std::string exeDirectory;  // ends with the path separator; empty until start-up sets it
  ModuleHandle moduleHandle = nullptr;
  WindowHandle mainWindow = nullptr;

 private:
  AppContext() = default;
};
