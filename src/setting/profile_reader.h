#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The reader of INI ("profile") files, in the form of the Windows profile
// calls, on our own reader (ini_text.h) in both builds: the system's reader
// would decode the file through the system's code page. Texts are UTF-8.

inline constexpr std::size_t kSectionNamesBufferSize = 32768;
inline constexpr std::size_t kSectionBufferSize = 32767;

// The bytes that a list of these texts (a section's lines, the section
// names) takes in the reader's buffer: every text and its NUL, and the NUL
// that ends the list.
std::size_t ProfileListBytes(const std::vector<std::string>& texts);

// Fills buffer with the section names of fileName, each NUL-terminated, the
// list ended by an empty name; a list that does not fit is cut. A missing
// file gives an empty list.
void ReadProfileSectionNames(const std::string& fileName, char* buffer, std::size_t size);

// Fills buffer with the lines of the section sectionName, each
// NUL-terminated, ended by an empty line; what does not fit is cut.
void ReadProfileSection(const std::string& fileName, const std::string& sectionName,
                        char* buffer, std::size_t size);
