#include "app/job_lanes.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

void RunInLanes(const std::vector<std::string>& laneKeys, int threads,
                const std::function<void(std::size_t)>& convert,
                const std::function<void(std::size_t)>& finish) {
  const std::size_t count = laneKeys.size();
  // The jobs of each lane, the lanes in the order of their first job.
  std::vector<std::vector<std::size_t>> lanes;
  std::map<std::string, std::size_t> laneOfKey;
  for (std::size_t i = 0; i < count; ++i) {
    const auto [lane, added] = laneOfKey.emplace(laneKeys[i], lanes.size());
    if (added) lanes.emplace_back();
    lanes[lane->second].push_back(i);
  }
  const std::size_t workers =
      std::min(static_cast<std::size_t>(std::max(threads, 1)), lanes.size());
  if (workers <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      convert(i);
      finish(i);
    }
    return;
  }

  std::mutex mutex;
  std::condition_variable converted;
  std::size_t nextLane = 0;
  std::vector<bool> done(count, false);
  auto work = [&] {
    for (;;) {
      std::size_t lane = 0;
      {
        const std::lock_guard<std::mutex> lock(mutex);
        if (nextLane == lanes.size()) return;
        lane = nextLane++;
      }
      for (const std::size_t i : lanes[lane]) {
        convert(i);
        {
          const std::lock_guard<std::mutex> lock(mutex);
          done[i] = true;
        }
        converted.notify_all();
      }
    }
  };
  std::vector<std::thread> pool;
  for (std::size_t w = 0; w < workers; ++w) pool.emplace_back(work);
  for (std::size_t i = 0; i < count; ++i) {
    {
      std::unique_lock<std::mutex> lock(mutex);
      converted.wait(lock, [&] { return done[i]; });
    }
    finish(i);
  }
  for (std::thread& worker : pool) worker.join();
}

std::string FolderLaneKey(const std::string& folder) {
  std::string key = folder;
  while (!key.empty() && (key.back() == '.' || key.back() == ' ')) key.pop_back();
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}
