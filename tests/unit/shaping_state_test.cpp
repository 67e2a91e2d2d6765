// The state the worker shares with the main thread, used from both at once. Built also
// with ThreadSanitizer (scripts/test.sh), which must report nothing.
#include "shaping/shaping_state.h"

#include <gtest/gtest.h>

#include <thread>

#include "shaping/window_shape.h"

TEST(ShapingState, ReaderCombinesWhileTheMainThreadReplacesEverything) {
  ShapingState state;
  state.SetBounds({0, 0, 200, 100});
  std::atomic<bool> done{false};
  std::atomic<long> passes{0};

  // The worker's side: every pass takes whole values and combines with the text region.
  std::thread worker([&] {
    while (!done) {
      const ShapingState::Bounds bounds = state.GetBounds();
      ASSERT_EQ(bounds.width, 2 * bounds.height) << "the bounds tore";
      const auto text = state.TextRegion();
      const Region region = HoleModeRegion(bounds.width, bounds.height, 50, 50, state.holeRadius,
                                           state.onlyDigits ? text.get() : nullptr);
      ASSERT_LE(region.Area(), static_cast<std::int64_t>(bounds.width) * bounds.height);
      ++passes;
    }
  });

  // The main thread's side: new bounds, settings and text regions, the old ones dropped.
  for (int i = 0; i < 3000 || passes < 100; ++i) {
    state.SetBounds({i, i, 200 + 2 * (i % 50), 100 + (i % 50)});
    state.holeRadius = i % 40;
    state.onlyDigits = i % 2 == 0;
    state.shiftDown = i % 3 == 0;
    state.SetTextRegion(std::make_shared<const Region>(Region::Rect(i % 90, 10, i % 90 + 30, 40)));
  }
  done = true;
  worker.join();
  EXPECT_GT(passes.load(), 0);
}
