#include "common/system_error.h"

#include <cstring>

std::string CLibraryErrorText(int error) {
  return std::string(std::strerror(error)) + " (errno " + std::to_string(error) + ")";
}
