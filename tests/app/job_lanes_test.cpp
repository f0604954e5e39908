#include "app/job_lanes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

TEST(JobLanes, JobsFinishInInputOrderAndALaneRunsOneJobAtATimeInOrder) {
  // Lane of each job: "a" holds jobs 0, 3, 4 and 9; the others are alone or
  // in pairs.
  const std::vector<std::string> keys = {"a", "b", "c", "a", "a", "d", "b", "e", "f", "a"};
  for (const int threads : {1, 2, 4, 16}) {
    std::mutex mutex;
    std::map<std::string, std::vector<std::size_t>> started;  // per lane, in start order
    std::map<std::string, int> running;                       // per lane, at this moment
    bool overlapped = false;
    std::vector<std::size_t> finished;
    std::vector<bool> converted(keys.size(), false);
    RunInLanes(
        keys, threads,
        [&](std::size_t i) {
          {
            const std::lock_guard<std::mutex> lock(mutex);
            started[keys[i]].push_back(i);
            overlapped = overlapped || ++running[keys[i]] > 1;
          }
          // Early jobs take longest, so that later ones overtake them.
          std::this_thread::sleep_for(std::chrono::milliseconds(2 * (keys.size() - i)));
          const std::lock_guard<std::mutex> lock(mutex);
          --running[keys[i]];
          converted[i] = true;
        },
        [&](std::size_t i) {
          const std::lock_guard<std::mutex> lock(mutex);
          EXPECT_TRUE(converted[i]) << i;
          finished.push_back(i);
        });
    EXPECT_FALSE(overlapped) << threads;
    EXPECT_EQ(finished, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << threads;
    EXPECT_EQ(started["a"], (std::vector<std::size_t>{0, 3, 4, 9})) << threads;
    EXPECT_EQ(started["b"], (std::vector<std::size_t>{1, 6})) << threads;
  }

  // No jobs: nothing runs.
  RunInLanes(
      {}, 4, [](std::size_t) { FAIL(); }, [](std::size_t) { FAIL(); });
}

TEST(JobLanes, NamesThatWindowsTakesForOneFolderShareALane) {
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {
      {"/m/Field", "/m/field", true},   {"/m/FIELD", "/m/field. .", true},
      {"/m/field", "/m/fields", false}, {"/m/a/field", "/m/b/field", false},
      {"/m/表", "/m/表", true},         {"/M/x", "/m/x", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FolderLaneKey(c.a) == FolderLaneKey(c.b), c.same) << c.a << " " << c.b;
  }
}

}  // namespace
