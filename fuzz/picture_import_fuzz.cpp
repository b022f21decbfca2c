// Fuzz target: hostile picture files (JPEG, PNG, GIF, BMP) through the import. Whatever the bytes:
// no crash and no access outside them; a refusal gives a reason; an accepted picture comes out as
// a JFIF JPEG within the player's box, of the size the header promised reduced as the box asks,
// that the import then keeps byte for byte.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "tools/picture_import/picture_import.h"

namespace {

constexpr int BOX = 260;
// Decoding costs time and memory in proportion to the area: larger pictures only go through the
// checks before decoding, which is where a hostile size must be stopped.
constexpr std::int64_t MOST_PIXELS_DECODED = 1 << 20;

// Named as its content says, so that the name never stops a picture before the decoder.
const char* NameFor(PictureFormat format) {
  static const char* const NAMES[] = {"x", "x.jpg", "x.png", "x.gif", "x.bmp"};
  return NAMES[format];
}

bool IsJfif(const Bytes& jpeg) {
  static const unsigned char HEAD[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};
  return jpeg.size() > sizeof HEAD && std::equal(HEAD, HEAD + sizeof HEAD, jpeg.begin());
}

void CheckAccepted(const PictureInfo& info, const ImportedPicture& picture) {
  FUZZ_CHECK(picture.problem.empty());
  FUZZ_CHECK(IsJfif(picture.jpeg));
  FUZZ_CHECK(picture.width >= 1 && picture.height >= 1);
  FUZZ_CHECK(picture.width <= info.width && picture.height <= info.height);
  if (info.width <= BOX && info.height <= BOX) {
    FUZZ_CHECK(picture.width == info.width && picture.height == info.height);
  } else {
    FUZZ_CHECK(picture.width == BOX || picture.height == BOX);
  }
  const ImportedPicture again = ImportPicture(picture.jpeg, "x.jpg", 0);
  FUZZ_CHECK(again.ok && again.jpeg == picture.jpeg);
  FUZZ_CHECK(again.width == picture.width && again.height == picture.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes file(data, data + size);
  const std::string name = NameFor(SniffPicture(file));
  const PictureInfo info = InspectPicture(file, name);
  FUZZ_CHECK(info.ok == info.problem.empty());
  if (!info.ok) {
    const ImportedPicture refused = ImportPicture(file, name, 0);
    FUZZ_CHECK(!refused.ok && refused.problem == info.problem && refused.jpeg.empty());
    return 0;
  }
  FUZZ_CHECK(info.width >= 1 && info.height >= 1 && info.orientation >= 1 && info.orientation <= 8);
  FUZZ_CHECK(info.width <= MAX_PICTURE_SIDE && info.height <= MAX_PICTURE_SIDE);
  FUZZ_CHECK(static_cast<std::int64_t>(info.width) * info.height <= MAX_PICTURE_PIXELS);
  if (static_cast<std::int64_t>(info.width) * info.height > MOST_PIXELS_DECODED) return 0;
  const ImportedPicture picture = ImportPicture(file, name, 0x00336699);
  if (picture.ok) {
    CheckAccepted(info, picture);
  } else {
    FUZZ_CHECK(!picture.problem.empty() && picture.jpeg.empty());
  }
  return 0;
}
