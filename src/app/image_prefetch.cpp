#include "app/image_prefetch.h"

#include <algorithm>
#include <utility>

ImagePrefetch::ImagePrefetch(std::vector<std::string> paths, int threads)
    : paths(std::move(paths)), slots(this->paths.size()) {
  // One thread decodes on the calling thread, as Next's fallback does.
  const std::size_t count = threads > 1 ? std::min<std::size_t>(threads, this->paths.size()) : 0;
  for (std::size_t i = 0; i < count; ++i) decoders.emplace_back([this] { Decode(); });
}

ImagePrefetch::~ImagePrefetch() {
  {
    const std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  for (std::thread& decoder : decoders) decoder.join();
}

void ImagePrefetch::Decode() {
  for (;;) {
    std::size_t index = 0;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      if (stopping || started == paths.size()) return;
      index = started++;
    }
    Slot slot;
    try {
      slot.image = OpenImage(paths[index]);
    } catch (...) {
      slot.error = std::current_exception();
    }
    slot.done = true;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      slots[index] = std::move(slot);
    }
    decoded.notify_all();
  }
}

std::unique_ptr<IImage> ImagePrefetch::Next(const std::string& path) {
  std::unique_lock<std::mutex> lock(mutex);
  if (decoders.empty() || taken == paths.size() || paths[taken] != path) {
    lock.unlock();
    return OpenImage(path);
  }
  const std::size_t index = taken++;
  decoded.wait(lock, [&] { return slots[index].done; });
  Slot slot = std::move(slots[index]);
  lock.unlock();
  if (slot.error) std::rethrow_exception(slot.error);
  return std::move(slot.image);
}
