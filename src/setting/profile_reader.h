#pragma once

#include <cstddef>
#include <string>

// The platform's reader of INI ("profile") files, in the form of the Windows
// profile calls: the Windows build asks the system, the native build its own
// reader (ini_text.h).

inline constexpr std::size_t kSectionNamesBufferSize = 32768;
inline constexpr std::size_t kSectionBufferSize = 32767;

// Fills buffer with the section names of fileName, each NUL-terminated, the
// list ended by an empty name; a list that does not fit is cut. A missing
// file gives an empty list.
void ReadProfileSectionNames(const std::string& fileName, char* buffer, std::size_t size);

// Fills buffer with the lines of the section sectionName, each
// NUL-terminated, ended by an empty line; what does not fit is cut.
void ReadProfileSection(const std::string& fileName, const std::string& sectionName,
                        char* buffer, std::size_t size);
