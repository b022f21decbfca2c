// Small owners that give back what a Win32 call lent or made when they go out of scope.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

// Selects an object into a device context and selects the previous one back at scope exit.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A GDI object (bitmap, brush, font...) deleted at scope exit unless released to a new owner.
template <typename Handle>
class OwnedGdiObject {
 public:
  explicit OwnedGdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~OwnedGdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  OwnedGdiObject(const OwnedGdiObject&) = delete;
  OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;

  Handle Get() const { return handle_; }
  Handle Release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  // Deletes the object held and holds another.
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

// A kernel object (process, thread, file...) closed at scope exit. Movable, so that records and
// containers can hold one; INVALID_HANDLE_VALUE, as CreateFile fails, counts as empty.
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(HANDLE handle)
      : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~ScopedHandle() { Close(); }
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Close() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
  }

  HANDLE handle_ = nullptr;
};

// An icon made or loaded without LR_SHARED, destroyed at scope exit.
class OwnedIcon {
 public:
  OwnedIcon() = default;
  explicit OwnedIcon(HICON icon) : icon_(icon) {}
  ~OwnedIcon() { Reset(); }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;

  HICON Get() const { return icon_; }
  void Reset(HICON icon = nullptr) {
    if (icon_) DestroyIcon(icon_);
    icon_ = icon;
  }

 private:
  HICON icon_ = nullptr;
};

// Memory that a Win32 call allocated with LocalAlloc for its caller, freed at scope exit.
template <typename Pointer>
class LocalMemory {
 public:
  explicit LocalMemory(Pointer pointer) : pointer_(pointer) {}
  ~LocalMemory() {
    if (pointer_) LocalFree(pointer_);
  }
  LocalMemory(const LocalMemory&) = delete;
  LocalMemory& operator=(const LocalMemory&) = delete;
  Pointer Get() const { return pointer_; }

 private:
  Pointer pointer_;
};

// OLE initialised on this thread for the owner's lifetime (the shell's dialogs, the picture
// decoder); uninitialised at scope exit only when initialising succeeded.
class OleSession {
 public:
  OleSession() : result_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool Ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// The screen's device context, released at scope exit.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with another, deleted at scope exit.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A COM interface pointer released at scope exit.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  // Where a call that creates the object puts it; the pointer must still be empty.
  Interface** Out() { return &pointer_; }
  void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// A BSTR freed at scope exit.
class ScopedBstr {
 public:
  explicit ScopedBstr(BSTR text) : text_(text) {}
  ~ScopedBstr() { SysFreeString(text_); }
  ScopedBstr(const ScopedBstr&) = delete;
  ScopedBstr& operator=(const ScopedBstr&) = delete;
  BSTR Get() const { return text_; }

 private:
  BSTR text_;
};
