// The player's view of a picture inside the editor.
#include "tools/brelaedit/picture_preview_win.h"

#include "base/raii_win.h"
#include "picture/picture_win.h"

HBITMAP PicturePreview(MediaRole role, const std::filesystem::path& file, const std::string& name,
                       std::uint32_t backgroundColour, MediaCache* cache, int side) {
  const MediaVerdict verdict =
      CheckMediaFile(role, file, name, backgroundColour, cache, MEDIA_FOR_EXECUTABLE);
  if (!verdict.ok || verdict.resource.empty()) return nullptr;
  const OwnedGdiObject<HBITMAP> decoded(
      DecodePicture(verdict.resource.data(), static_cast<DWORD>(verdict.resource.size())));
  if (!decoded.Get()) return nullptr;
  return ScaleBitmapToFit(decoded.Get(), side, side);
}

void DrawPicturePreview(const DRAWITEMSTRUCT& item, HBITMAP picture, COLORREF background,
                        const wchar_t* empty) {
  const OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background));
  FillRect(item.hDC, &item.rcItem, brush.Get());
  if (!picture) {
    RECT text = item.rcItem;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(item.hDC, empty, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  BITMAP size = {};
  GetObjectW(picture, sizeof size, &size);
  const MemoryDc source(item.hDC);
  const ScopedSelectObject selected(source.Get(), picture);
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  BitBlt(item.hDC, item.rcItem.left + (width - size.bmWidth) / 2,
         item.rcItem.top + (height - size.bmHeight) / 2, size.bmWidth, size.bmHeight, source.Get(),
         0, 0, SRCCOPY);
}
