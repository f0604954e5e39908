#include "app/image_prefetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "image/image.h"

namespace {

TEST(ImagePrefetch, HandsOutEachFileInTurnDecodingNoMoreThanItsLookAheadBeyond) {
  const std::vector<std::string> paths = {"a", "b", "bad", "c", "d", "e", "f", "g"};
  for (const int threads : {1, 2, 4}) {
    std::mutex mutex;
    std::size_t opened = 0, taken = 0, mostAhead = 0;
    ImagePrefetch prefetch(paths, threads, 2, [&](const std::string& path) {
      {
        const std::lock_guard<std::mutex> lock(mutex);
        ++opened;
        mostAhead = std::max(mostAhead, opened - taken);
      }
      if (path == "bad") throw InvalidImageError();
      auto image = CreateBlankImage(1, 1);
      return image->Clip(0, 0, 1, 1, path);
    });
    for (const std::string& path : paths) {
      // A slow adder: the decoders could run to the end of the list.
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
      if (path == "bad") {
        EXPECT_THROW(prefetch.Next(path), InvalidImageError);
      } else {
        EXPECT_EQ(prefetch.Next(path)->GetName(), path);
      }
      const std::lock_guard<std::mutex> lock(mutex);
      ++taken;
    }
    // Taken, plus the one being taken, plus two ahead.
    EXPECT_LE(mostAhead, 3U) << threads;
    EXPECT_EQ(opened, paths.size()) << threads;
  }
}

}  // namespace
