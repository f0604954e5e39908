#include "common/messages.h"
#include "image/image.h"

const char* InvalidImageError::what() const noexcept { return Text(Message::kInvalidFile); }
