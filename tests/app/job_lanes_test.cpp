#include "app/job_lanes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

TEST(JobLanes, ALaneRunsOneJobAtATimeInOrderWhileJobsAreStillBeingAdded) {
  // Lane of each job: "a" holds jobs 0, 3, 4 and 9; the others are alone or
  // in pairs.
  const std::vector<std::string> keys = {"a", "b", "c", "a", "a", "d", "b", "e", "f", "a"};
  for (const int threads : {1, 2, 4, 16}) {
    std::mutex mutex;
    std::map<std::string, std::vector<std::size_t>> started;  // per lane, in start order
    std::map<std::string, int> running;                       // per lane, at this moment
    bool overlapped = false;
    std::size_t mostPending = 0;
    std::size_t added = 0, finished = 0;
    std::vector<bool> converted(keys.size(), false);
    {
      JobLanes lanes(threads);
      for (std::size_t i = 0; i < keys.size(); ++i) {
        lanes.Add(keys[i], [&, i] {
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
        });
        ++added;
        // The adder holds back at three waiting jobs, and takes up the
        // first half before the second half is added.
        lanes.WaitForPendingAtMost(3);
        {
          const std::lock_guard<std::mutex> lock(mutex);
          std::size_t pending = 0;
          for (std::size_t j = 0; j < added; ++j) pending += converted[j] ? 0 : 1;
          mostPending = std::max(mostPending, pending);
        }
        if (i == 4) {
          for (; finished < added; ++finished) {
            lanes.WaitConverted(finished);
            const std::lock_guard<std::mutex> lock(mutex);
            EXPECT_TRUE(converted[finished]) << finished;
          }
        }
      }
      lanes.WaitConverted(keys.size() - 1);
      const std::lock_guard<std::mutex> lock(mutex);
      EXPECT_TRUE(converted[keys.size() - 1]) << threads;
    }
    EXPECT_FALSE(overlapped) << threads;
    EXPECT_LE(mostPending, 3U) << threads;
    EXPECT_EQ(converted, std::vector<bool>(keys.size(), true)) << threads;
    EXPECT_EQ(started["a"], (std::vector<std::size_t>{0, 3, 4, 9})) << threads;
    EXPECT_EQ(started["b"], (std::vector<std::size_t>{1, 6})) << threads;
  }

  // No jobs: nothing to wait for.
  const JobLanes idle(4);
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
