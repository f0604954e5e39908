#pragma once

#include <string>

// The folder of the running program, ending with a backslash (Shift-JIS).
std::string ExecutableFolder();
