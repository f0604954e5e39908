#include "app/image_prefetch.h"

#include <algorithm>
#include <utility>

ImagePrefetch::ImagePrefetch(std::vector<std::string> paths, int threads, std::size_t lookAhead,
                             ImageOpener open)
    : paths(std::move(paths)),
      lookAhead(lookAhead),
      open(std::move(open)),
      slots(this->paths.size()) {
  // One thread decodes on the calling thread, as Next's fallback does.
  const std::size_t count =
      threads > 1 && lookAhead > 0 ? std::min<std::size_t>(threads, this->paths.size()) : 0;
  for (std::size_t i = 0; i < count; ++i) decoders.emplace_back([this] { Decode(); });
}

ImagePrefetch::~ImagePrefetch() {
  {
    const std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
  }
  advanced.notify_all();
  for (std::thread& decoder : decoders) decoder.join();
}

void ImagePrefetch::Decode() {
  for (;;) {
    std::size_t index = 0;
    {
      std::unique_lock<std::mutex> lock(mutex);
      advanced.wait(lock, [this] { return stopping || started < taken + lookAhead; });
      if (stopping || started == paths.size()) return;
      index = started++;
    }
    Slot slot;
    try {
      slot.image = open(paths[index]);
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
    return open(path);
  }
  const std::size_t index = taken++;
  advanced.notify_all();
  decoded.wait(lock, [&] { return slots[index].done; });
  Slot slot = std::move(slots[index]);
  lock.unlock();
  if (slot.error) std::rethrow_exception(slot.error);
  return std::move(slot.image);
}
