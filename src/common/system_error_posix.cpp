#include <cerrno>

#include "common/system_error.h"

std::string LastSystemErrorText() { return CLibraryErrorText(errno); }
