// Loading a picture resource into a bitmap that fits a box: the system's picture decoder, then a
// halftone stretch.
#include "picture/picture_win.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "base/raii_win.h"
#include "picture/scaling.h"

namespace {

// The picture object owns the bitmap that get_Handle gives: keep a copy of our own.
HBITMAP CopyPictureBitmap(IPicture* picture) {
  OLE_HANDLE handle = 0;
  if (FAILED(picture->get_Handle(&handle)) || !handle) return nullptr;
  // OLE_HANDLE is 32 bits wide; GDI handles widen with their sign.
  auto bitmap = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
  return static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
}

// Needs COM initialised on the thread.
HBITMAP DecodeThroughOle(const void* bytes, DWORD length) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, length);
  if (!block) return nullptr;
  std::memcpy(block, bytes, length);  // a fixed block's handle is its address
  ComPtr<IStream> stream;  // releasing the stream releases the block
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.Out())) || !stream.Get()) {
    GlobalFree(block);
    return nullptr;
  }
  ComPtr<IPicture> picture;
  HRESULT loaded = OleLoadPicture(stream.Get(), static_cast<LONG>(length), FALSE, IID_IPicture,
                                  picture.OutVoid());
  if (FAILED(loaded) || !picture.Get()) return nullptr;
  return CopyPictureBitmap(picture.Get());
}

}  // namespace

HBITMAP LoadScaledPicture(HINSTANCE instance, int id, const char* type, int boxWidth, int boxHeight) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), type);
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(instance, found);
  if (!loaded) return nullptr;
  DWORD length = SizeofResource(instance, found);
  const void* bytes = LockResource(loaded);
  if (!bytes) return nullptr;
  HBITMAP full = DecodePicture(bytes, length);
  if (!full) return nullptr;
  HBITMAP scaled = ScaleBitmapToFit(full, boxWidth, boxHeight);
  DeleteObject(full);
  return scaled;
}

// COM is ours only for the call; an apartment of another kind on the thread is left alone.
HBITMAP DecodePicture(const void* bytes, DWORD length) {
  HRESULT initialised = CoInitialize(nullptr);
  HBITMAP bitmap = DecodeThroughOle(bytes, length);
  if (SUCCEEDED(initialised)) CoUninitialize();
  return bitmap;
}

HBITMAP ScaleBitmapToFit(HBITMAP source, int boxWidth, int boxHeight) {
  BITMAP info = {};
  if (!GetObjectA(source, sizeof info, &info)) return nullptr;
  PictureSize size = ScaledSize(info.bmWidth, info.bmHeight, boxWidth, boxHeight);
  if (size.width <= 0 || size.height <= 0) return nullptr;
  ScreenDc screen;
  MemoryDc from(screen.Get());
  MemoryDc to(screen.Get());
  OwnedGdiObject<HBITMAP> scaled(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
  if (!from.Get() || !to.Get() || !scaled.Get()) return nullptr;
  ScopedSelectObject sourceSelected(from.Get(), source);
  ScopedSelectObject scaledSelected(to.Get(), scaled.Get());
  SetStretchBltMode(to.Get(), HALFTONE);
  SetBrushOrgEx(to.Get(), 0, 0, nullptr);  // HALFTONE leaves the brush origin undefined
  StretchBlt(to.Get(), 0, 0, size.width, size.height, from.Get(), 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
  return scaled.Release();
}
