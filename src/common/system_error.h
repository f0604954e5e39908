#pragma once

#include <string>

// Why a call of the system failed, in the system's own words with the
// error's number, for messages that also name the file.

// A failure of the C library (fopen, fwrite, rename): errno's value.
std::string CLibraryErrorText(int error);

// A failure of a call of the system itself: errno natively, the error code
// of GetLastError on Windows.
std::string LastSystemErrorText();
