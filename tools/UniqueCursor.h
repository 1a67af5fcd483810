// An owned, non-shared cursor, destroyed with its owner. Counts the cursors it holds, so that
// tests can see that every cursor made is destroyed.
#pragma once

#include <windows.h>

#include <utility>

class UniqueCursor {
 public:
  UniqueCursor() = default;
  explicit UniqueCursor(HCURSOR cursor) : cursor_(cursor) {
    if (cursor_ != nullptr) ++liveCount_;
  }
  UniqueCursor(UniqueCursor&& other) noexcept : cursor_(std::exchange(other.cursor_, nullptr)) {}
  UniqueCursor& operator=(UniqueCursor other) noexcept {
    std::swap(cursor_, other.cursor_);
    return *this;
  }
  ~UniqueCursor() {
    if (cursor_ != nullptr) {
      DestroyCursor(cursor_);
      --liveCount_;
    }
  }
  HCURSOR get() const { return cursor_; }

  // Cursors held by all owners.
  static int LiveCount() { return liveCount_; }

 private:
  HCURSOR cursor_ = nullptr;
  static inline int liveCount_ = 0;
};
