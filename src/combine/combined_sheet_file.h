#pragma once

#include <string>
#include <vector>

// Loads the sheets at paths as the combiner does (palette entry 0
// transparent), composes them in that order at width and saves the combined
// sheet as a PNG at output. What went wrong, a line for each problem in the
// system's language; empty when the file was written.
std::vector<std::string> WriteCombinedSheet(const std::vector<std::string>& paths, int width,
                                            const std::string& output);
