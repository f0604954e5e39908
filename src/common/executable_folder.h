#pragma once

#include <string>

// The folder of the running program, ending with the path separator; empty
// when the system does not tell.
std::string ExecutableFolder();
