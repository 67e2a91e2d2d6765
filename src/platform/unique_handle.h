#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

// How many handles the program's owners hold right now: the soak test's measure of leaks
// where the system does not count GDI objects (Wine).
inline std::atomic<long> liveHandleCount{0};

// Sole owner of one Win32 handle, closed by Close when the owner ends. Move-only: a
// copy would close the handle twice. The empty handle is nullptr.
template <typename H, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {
    if (handle_) ++liveHandleCount;
  }
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Gives the handle away, for a call that takes ownership when it succeeds.
  H release() {
    if (handle_) --liveHandleCount;
    return std::exchange(handle_, nullptr);
  }

  void reset(H handle = nullptr) {
    if (handle_ != nullptr) {
      Close(handle_);
      --liveHandleCount;
    }
    handle_ = handle;
    if (handle_) ++liveHandleCount;
  }

 private:
  H handle_ = nullptr;
};

using UniqueFile = UniqueHandle<HANDLE, &CloseHandle>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE; the owner holds nullptr then.
inline UniqueFile AdoptFile(HANDLE handle) {
  return UniqueFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

using UniqueHrgn = UniqueHandle<HRGN, &DeleteObject>;
using UniqueHfont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueHbrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueHbitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniqueHdc = UniqueHandle<HDC, &DeleteDC>;

// Selects a GDI object into a DC for the life of the scope, then puts the old one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, old_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
