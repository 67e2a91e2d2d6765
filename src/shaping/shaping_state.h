#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "shaping/region.h"

// What the shaping worker reads of the main thread's state, each as a whole value that
// cannot tear. The main thread writes; the worker reads at any moment of its pass.
class ShapingState {
 public:
  struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
  };

  void SetBounds(Bounds bounds) {
    std::lock_guard lock(mutex_);
    bounds_ = bounds;
  }
  Bounds GetBounds() const {
    std::lock_guard lock(mutex_);
    return bounds_;
  }

  // The text region is immutable once published: a reader keeps the one it took alive
  // for as long as it uses it, whatever replaces it meanwhile.
  void SetTextRegion(std::shared_ptr<const Region> region) {
    std::lock_guard lock(mutex_);
    textRegion_ = std::move(region);
  }
  std::shared_ptr<const Region> TextRegion() const {
    std::lock_guard lock(mutex_);
    return textRegion_;
  }

  std::atomic<bool> shiftDown{false};
  std::atomic<bool> onlyDigits{false};
  std::atomic<int> holeRadius{0};

 private:
  mutable std::mutex mutex_;
  Bounds bounds_;
  std::shared_ptr<const Region> textRegion_ = std::make_shared<const Region>();
};
