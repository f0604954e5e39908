#include <windows.h>

#include "common/text.h"

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
