#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Writes a PNG file through encode, which writes the whole PNG into the file
// it is given: into a temporary file beside path, renamed over path only
// when complete, so path never holds a partial PNG. True when written.
bool WritePngFile(const std::string& path, const std::function<bool(std::FILE*)>& encode);
