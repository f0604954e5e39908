#include "app/job_lanes.h"

#include <algorithm>
#include <utility>

JobLanes::JobLanes(int threads) {
  if (threads <= 1) return;
  for (int i = 0; i < threads; ++i) workers.emplace_back([this] { Work(); });
}

JobLanes::~JobLanes() {
  {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return pending == 0; });
    stopping = true;
  }
  changed.notify_all();
  for (std::thread& worker : workers) worker.join();
}

void JobLanes::Add(const std::string& laneKey, std::function<void()> convert) {
  if (workers.empty()) {
    convert();
    const std::lock_guard<std::mutex> lock(mutex);
    done.push_back(true);
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(mutex);
    const auto [lane, added] = laneOfKey.emplace(laneKey, laneBusy.size());
    if (added) laneBusy.push_back(false);
    queue.push_back({done.size(), lane->second, std::move(convert)});
    done.push_back(false);
    ++pending;
  }
  changed.notify_all();
}

void JobLanes::WaitForPendingAtMost(std::size_t count) {
  std::unique_lock<std::mutex> lock(mutex);
  changed.wait(lock, [&] { return pending <= count; });
}

void JobLanes::WaitConverted(std::size_t index) {
  std::unique_lock<std::mutex> lock(mutex);
  changed.wait(lock, [&] { return index < done.size() && done[index]; });
}

void JobLanes::Work() {
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    // The first job queued whose lane no other thread is converting in.
    auto next = queue.end();
    changed.wait(lock, [&] {
      next = std::find_if(queue.begin(), queue.end(),
                          [&](const Queued& job) { return !laneBusy[job.lane]; });
      return next != queue.end() || stopping;
    });
    if (next == queue.end()) return;
    Queued job = std::move(*next);
    queue.erase(next);
    laneBusy[job.lane] = true;
    lock.unlock();
    job.convert();
    job.convert = nullptr;  // what it holds goes before the next job
    lock.lock();
    laneBusy[job.lane] = false;
    done[job.index] = true;
    --pending;
    changed.notify_all();
  }
}

std::string FolderLaneKey(const std::string& folder) {
  std::string key = folder;
  while (!key.empty() && (key.back() == '.' || key.back() == ' ')) key.pop_back();
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}
