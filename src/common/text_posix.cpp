#include "common/text.h"

bool IsLeadByte(unsigned char) { return false; }
