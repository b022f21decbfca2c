// Picture import on pictures made in the test: formats, sizes, Exif orientations, transparency,
// GIF's first frame, the byte-for-byte keep and every refusal. Sizes and colours are worked out
// by hand; stb_image only reads the results back.
#include "tools/picture_import/picture_import.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <string>

#include "tests/picture_import/sample_pictures.h"

namespace {

const Rgba RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255};
const Rgba WHITE{255, 255, 255, 255}, CLEAR{0, 0, 0, 0}, HALF_BLACK{0, 0, 0, 128};
constexpr std::uint32_t WHITE_BACKGROUND = 0x00FFFFFF;

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// One colour all over, in the format.
Bytes Plain(PictureFormat format, int width, int height) {
  const std::vector<Rgba> pixels(static_cast<std::size_t>(width) * height, BLUE);
  const Rgba palette[4] = {CLEAR, BLUE, RED, GREEN};
  switch (format) {
    case PICTURE_PNG:
      return PngOf(pixels, width, height);
    case PICTURE_BMP:
      return BmpOf(pixels, width, height);
    case PICTURE_GIF:
      return GifOf(width, height, palette, {Bytes(pixels.size(), 1)});
    default:
      return JpegOf(pixels, width, height);
  }
}

struct Shown {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  Rgba At(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return {p[0], p[1], p[2], 255};
  }
};

Shown Decoded(const Bytes& jpeg) {
  Shown shown;
  int channels = 0;
  unsigned char* pixels = stbi_load_from_memory(jpeg.data(), static_cast<int>(jpeg.size()),
                                                &shown.width, &shown.height, &channels, 3);
  if (pixels) shown.rgb.assign(pixels, pixels + shown.width * shown.height * 3);
  stbi_image_free(pixels);
  return shown;
}

// Within what two JPEG encodings leave of a flat colour.
::testing::AssertionResult Near(Rgba actual, Rgba expected) {
  auto close = [](int a, int b) { return a - b <= 16 && b - a <= 16; };
  if (close(actual.r, expected.r) && close(actual.g, expected.g) && close(actual.b, expected.b)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "colour " << int{actual.r} << "," << int{actual.g} << "," << int{actual.b}
         << " instead of " << int{expected.r} << "," << int{expected.g} << "," << int{expected.b};
}

// A frame header before the first scan: baseline (FF C0), not progressive (FF C2).
bool HasBaselineFrame(const Bytes& jpeg) {
  for (std::size_t i = 0; i + 1 < jpeg.size() && !(jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) return true;
  }
  return false;
}

// What the player gets from every import: a baseline JFIF JPEG of the size given.
void ExpectPlayerJpeg(const ImportedPicture& picture, int width, int height) {
  ASSERT_TRUE(picture.ok) << picture.problem;
  EXPECT_EQ(Bytes(picture.jpeg.begin(), picture.jpeg.begin() + 11),
            Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11)));
  EXPECT_TRUE(HasBaselineFrame(picture.jpeg));
  EXPECT_EQ(picture.width, width);
  EXPECT_EQ(picture.height, height);
  const Shown shown = Decoded(picture.jpeg);
  EXPECT_EQ(shown.width, width);
  EXPECT_EQ(shown.height, height);
}

// The centres of the four quadrants: top left, top right, bottom left, bottom right.
void ExpectQuadrants(const ImportedPicture& picture, const Rgba (&expected)[4]) {
  const Shown shown = Decoded(picture.jpeg);
  ASSERT_FALSE(shown.rgb.empty());
  for (int q = 0; q < 4; ++q) {
    const int x = (q % 2 * 2 + 1) * shown.width / 4, y = (q / 2 * 2 + 1) * shown.height / 4;
    EXPECT_TRUE(Near(shown.At(x, y), expected[q])) << "quadrant " << q;
  }
}

TEST(SniffPicture, KnowsEachFormatByItsFirstBytes) {
  const struct {
    std::string bytes;
    PictureFormat format;
  } cases[] = {
      {"\xFF\xD8\xFF\xE0", PICTURE_JPEG},
      {"\xFF\xD8\xFF\xE1", PICTURE_JPEG},
      {"\x89PNG\r\n\x1A\n", PICTURE_PNG},
      {"GIF87a", PICTURE_GIF},
      {"GIF89a", PICTURE_GIF},
      {"BM", PICTURE_BMP},
      {"\xFF\xD8", PICTURE_UNKNOWN},
      {"\x89PNG\r\n", PICTURE_UNKNOWN},
      {"GIF88a", PICTURE_UNKNOWN},
      {"RIFF\0\0\0\0WEBP", PICTURE_UNKNOWN},
      {"Bonjour", PICTURE_UNKNOWN},
      {"", PICTURE_UNKNOWN},
  };
  for (const auto& c : cases) EXPECT_EQ(SniffPicture(Of(c.bytes)), c.format) << c.bytes;
}

// Limiting side 260, the other side x 260 / limiting side, truncated, at least 1; never enlarged.
TEST(ImportPicture, ReducesToTheBoxAndNeverEnlarges) {
  const struct {
    PictureFormat format;
    int width, height, shownWidth, shownHeight;
  } cases[] = {
      {PICTURE_JPEG, 400, 300, 260, 195}, {PICTURE_PNG, 300, 400, 195, 260},
      {PICTURE_BMP, 261, 100, 260, 99},   {PICTURE_JPEG, 3000, 2000, 260, 173},
      {PICTURE_GIF, 520, 260, 260, 130},  {PICTURE_PNG, 16000, 2, 260, 1},
      {PICTURE_GIF, 2, 3000, 1, 260},     {PICTURE_PNG, 260, 260, 260, 260},
      {PICTURE_BMP, 100, 50, 100, 50},    {PICTURE_GIF, 1, 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", format " +
                 std::to_string(c.format));
    ExpectPlayerJpeg(ImportPicture(Plain(c.format, c.width, c.height), "image", 0), c.shownWidth,
                     c.shownHeight);
  }
}

// A 40 x 20 picture stored red, green over blue, white; each orientation as the Exif standard
// describes how the stored picture is to be shown.
TEST(ImportPicture, TurnsUprightByEveryExifOrientation) {
  const struct {
    int orientation;
    bool sidesSwap;
    Rgba shown[4];
  } cases[] = {
      {1, false, {RED, GREEN, BLUE, WHITE}},  // as stored
      {2, false, {GREEN, RED, WHITE, BLUE}},  // mirrored left to right
      {3, false, {WHITE, BLUE, GREEN, RED}},  // half a turn
      {4, false, {BLUE, WHITE, RED, GREEN}},  // mirrored top to bottom
      {5, true, {RED, BLUE, GREEN, WHITE}},   // rows become columns
      {6, true, {BLUE, RED, WHITE, GREEN}},   // a quarter turn clockwise
      {7, true, {WHITE, GREEN, BLUE, RED}},   // rows become columns, read backwards
      {8, true, {GREEN, WHITE, RED, BLUE}},   // a quarter turn counter-clockwise
  };
  const Bytes stored = JpegOf(Quadrants(40, 20, {RED, GREEN, BLUE, WHITE}), 40, 20);
  for (const auto& c : cases) {
    for (bool bigEndian : {false, true}) {
      SCOPED_TRACE("orientation " + std::to_string(c.orientation) + (bigEndian ? " MM" : " II"));
      const ImportedPicture picture =
          ImportPicture(WithExif(stored, c.orientation, bigEndian), "photo.jpg", 0);
      ExpectPlayerJpeg(picture, c.sidesSwap ? 20 : 40, c.sidesSwap ? 40 : 20);
      ExpectQuadrants(picture, c.shown);
    }
  }
}

TEST(ImportPicture, TurnsAPortraitPhotoAndReducesIt) {
  const Bytes stored = JpegOf(Quadrants(600, 400, {RED, GREEN, BLUE, WHITE}), 600, 400);
  const ImportedPicture picture = ImportPicture(WithExif(stored, 6, false), "portrait.jpg", 0);
  ExpectPlayerJpeg(picture, 173, 260);
  ExpectQuadrants(picture, {BLUE, RED, WHITE, GREEN});
}

// Opaque on the left, transparent at the top right, half-transparent black at the bottom right.
TEST(ImportPicture, LaysTransparencyOnTheBackground) {
  const Rgba pixels[4] = {RED, CLEAR, GREEN, HALF_BLACK};
  const struct {
    const char* name;
    Bytes file;
    std::uint32_t background;
    Rgba shown[4];
  } cases[] = {
      {"PNG",
       PngOf(Quadrants(40, 40, pixels), 40, 40),
       0x00FF8000,
       {RED, {0x00, 0x80, 0xFF, 255}, GREEN, {0x00, 0x40, 0x7F, 255}}},
      {"PNG reduced",
       PngOf(Quadrants(520, 520, pixels), 520, 520),
       WHITE_BACKGROUND,
       {RED, WHITE, GREEN, {127, 127, 127, 255}}},
      {"BMP",
       BmpOf(Quadrants(40, 40, pixels), 40, 40),
       0x0000FFFF,
       {RED, {0xFF, 0xFF, 0x00, 255}, GREEN, {0x7F, 0x7F, 0x00, 255}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedPicture picture = ImportPicture(c.file, "dessin", c.background);
    ASSERT_TRUE(picture.ok) << picture.problem;
    ExpectQuadrants(picture, c.shown);
  }
}

// Frame 1: red on the left, transparent on the right; frame 2: blue all over.
TEST(ImportPicture, TakesTheFirstFrameOfAGif) {
  const Rgba palette[4] = {CLEAR, RED, BLUE, GREEN};
  Bytes first(40 * 20), second(40 * 20, 2);
  for (std::size_t i = 0; i < first.size(); ++i) first[i] = i % 40 < 20 ? 1 : 0;
  const ImportedPicture picture =
      ImportPicture(GifOf(40, 20, palette, {first, second}), "anim.gif", 0x00808080);
  ExpectPlayerJpeg(picture, 40, 20);
  const Rgba grey{128, 128, 128, 255};
  ExpectQuadrants(picture, {RED, grey, RED, grey});
}

TEST(ImportPicture, KeepsABaselineJfifWithinTheBoxByteForByte) {
  const auto jpeg = [](int width, int height) {
    return JpegOf(Quadrants(width, height, {RED, GREEN, BLUE, WHITE}), width, height);
  };
  const struct {
    const char* name;
    Bytes file;
    bool kept;
  } cases[] = {
      {"200 x 150", jpeg(200, 150), true},
      {"260 x 260", jpeg(260, 260), true},
      {"1 x 1", jpeg(1, 1), true},
      {"JFIF with Exif orientation 1", WithExif(jpeg(100, 50), 1, true, true), true},
      {"261 x 100: larger than the box", jpeg(261, 100), false},
      {"100 x 261", jpeg(100, 261), false},
      {"JFIF with Exif orientation 6: to be turned", WithExif(jpeg(100, 50), 6, true, true), false},
      {"Exif without JFIF, as phones write", WithExif(jpeg(100, 50), 1, false), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ImportedPicture picture = ImportPicture(c.file, "photo.jpg", 0);
    ASSERT_TRUE(picture.ok) << picture.problem;
    EXPECT_EQ(picture.jpeg == c.file, c.kept);
  }
}

// A PNG of which only the signature and the header chunk are there: enough to read its size.
Bytes PngHeader(unsigned width, unsigned height) {
  Bytes png = Of(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16));
  for (unsigned value : {width, height}) {
    for (int shift : {24, 16, 8, 0}) png.push_back(static_cast<unsigned char>(value >> shift));
  }
  png.insert(png.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});  // 8-bit RGBA, then a CRC nobody checks
  return png;
}

// SOI, a baseline frame header of three components, tables that define no code, the header of a
// scan without data.
Bytes JpegHeader(unsigned width, unsigned height, bool tables = true, bool scan = true) {
  Bytes jpeg{0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8};
  for (unsigned value : {height, width}) {
    jpeg.insert(jpeg.end(),
                {static_cast<unsigned char>(value >> 8), static_cast<unsigned char>(value)});
  }
  jpeg.insert(jpeg.end(), {3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0});
  if (tables) {
    jpeg.insert(jpeg.end(), {0xFF, 0xDB, 0, 67, 0});
    jpeg.resize(jpeg.size() + 64, 1);
    jpeg.insert(jpeg.end(), {0xFF, 0xC4, 0, 19, 0});
    jpeg.resize(jpeg.size() + 16, 0);
  }
  if (scan) jpeg.insert(jpeg.end(), {0xFF, 0xDA, 0, 12, 3, 1, 0, 2, 0, 3, 0, 0, 63, 0});
  jpeg.insert(jpeg.end(), {0xFF, 0xD9});
  return jpeg;
}

// A good PNG with an empty image data chunk inserted after its header chunk, before the real one.
Bytes EmptyImageDataFirst() {
  Bytes png = Plain(PICTURE_PNG, 8, 8);
  const std::string empty("\0\0\0\0IDAT\x35\xAF\x06\x1E", 12);
  png.insert(png.begin() + 8 + 25, empty.begin(), empty.end());
  return png;
}

Bytes GifHeader(unsigned width, unsigned height) {
  return {'G',
          'I',
          'F',
          '8',
          '9',
          'a',
          static_cast<unsigned char>(width),
          static_cast<unsigned char>(width >> 8),
          static_cast<unsigned char>(height),
          static_cast<unsigned char>(height >> 8),
          0,
          0,
          0,
          0x3B};
}

Bytes BmpHeader(unsigned width, unsigned height) {
  Bytes bmp{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
  for (unsigned value : {width, height}) {
    for (int shift : {0, 8, 16, 24}) bmp.push_back(static_cast<unsigned char>(value >> shift));
  }
  bmp.insert(bmp.end(), {1, 0, 24, 0});
  bmp.resize(54, 0);
  return bmp;
}

// 16 000 pixels a side and 100 000 000 pixels in all are the most; the header alone tells.
TEST(InspectPicture, ReadsTheSizeFromTheHeaderAndRefusesAbsurdOnes) {
  const struct {
    const char* name;
    Bytes file;
    bool ok;
  } cases[] = {
      {"PNG 16000 x 6250", PngHeader(16000, 6250), true},
      {"PNG 16000 x 6251", PngHeader(16000, 6251), false},
      {"PNG 16001 x 1", PngHeader(16001, 1), false},
      {"PNG 1 x 16000", PngHeader(1, 16000), true},
      {"JPEG 20000 x 15000", JpegHeader(20000, 15000), false},
      {"JPEG 4000 x 3000", JpegHeader(4000, 3000), true},
      {"GIF 10001 x 10001", GifHeader(10001, 10001), false},
      {"GIF 10000 x 10000", GifHeader(10000, 10000), true},
      {"BMP 16001 x 10", BmpHeader(16001, 10), false},
      {"BMP 640 x 480", BmpHeader(640, 480), true},
  };
  for (const auto& c : cases) {
    const PictureInfo info = InspectPicture(c.file, "image");
    EXPECT_EQ(info.ok, c.ok) << c.name << ": " << info.problem;
    if (!c.ok) {
      EXPECT_NE(info.problem.find("16 000 pixels de côté et 100 mégapixels"), std::string::npos)
          << c.name;
    }
  }
  const PictureInfo jpeg = InspectPicture(JpegHeader(4000, 3000), "photo.jpg");
  EXPECT_EQ(jpeg.format, PICTURE_JPEG);
  EXPECT_EQ(jpeg.width, 4000);
  EXPECT_EQ(jpeg.height, 3000);
}

TEST(InspectPicture, GivesTheSizeAsShown) {
  const Bytes stored = JpegOf(Quadrants(40, 20, {RED, GREEN, BLUE, WHITE}), 40, 20);
  const PictureInfo info = InspectPicture(WithExif(stored, 8, true), "photo.jpg");
  ASSERT_TRUE(info.ok) << info.problem;
  EXPECT_EQ(info.orientation, 8);
  EXPECT_EQ(info.width, 20);
  EXPECT_EQ(info.height, 40);
}

TEST(ImportPicture, RefusesWithTheReasonAndWhatToDo) {
  const Bytes png = Plain(PICTURE_PNG, 8, 8);
  const struct {
    const char* name;
    Bytes file;
    std::string fileName;
    std::string says;
  } cases[] = {
      {"empty",
       {},
       "vide.jpg",
       "« vide.jpg » est un fichier vide : enregistrez l'image de nouveau"},
      {"text", Of("Bonjour"), "notes.jpg",
       "« notes.jpg » n'est pas une image JPEG, PNG, GIF ou BMP : vérifiez"},
      {"HEIC",
       Of(std::string("\0\0\0\x18"
                      "ftypheic",
                      12)),
       "IMG_0001.HEIC",
       "« IMG_0001.HEIC » est une image HEIC, que le lecteur ne sait pas montrer : enregistrez-la "
       "en JPEG "
       "ou en PNG depuis un logiciel d'images (sur l'iPhone, Réglages > Appareil photo > Formats > "
       "« Le "
       "plus compatible » fait des photos JPEG)."},
      {"WebP", Of(std::string("RIFF\0\0\0\0WEBPVP8 ", 16)), "chat.webp",
       "« chat.webp » est une image WebP,"},
      {"TIFF", Of(std::string("II*\0\x08\0\0\0", 8)), "scan.tif",
       "« scan.tif » est une image TIFF,"},
      {"PNG named .jpg", png, "images/chat.jpg",
       "« images/chat.jpg » contient une image PNG alors que son nom finit par « .jpg » : "
       "renommez-le "
       "« images/chat.png »."},
      {"JPEG named .PNG", Plain(PICTURE_JPEG, 8, 8), "CHAT.PNG", "renommez-le « CHAT.jpg »."},
      {"PNG named .txt", png, "chat.txt", "son nom finit par « .txt » : renommez-le « chat.png »."},
      {"GIF named .bmp", Plain(PICTURE_GIF, 8, 8), "a.b/chat.bmp", "renommez-le « a.b/chat.gif »."},
      {"JPEG cut after SOI", Of("\xFF\xD8\xFF"), "coupee.jpg",
       "« coupee.jpg » est une image JPEG abîmée, ou d'une sorte que brelamake ne sait pas lire : "
       "ouvrez-la"},
      {"JPEG without a scan", JpegHeader(64, 48, true, false), "sans.jpg",
       "« sans.jpg » est une image JPEG abîmée"},
      {"JPEG without tables", JpegHeader(64, 48, false), "tables.jpg",
       "« tables.jpg » est une image JPEG abîmée"},
      {"JPEG without image data", JpegHeader(64, 48), "vide.jpg",
       "« vide.jpg » est une image JPEG abîmée"},
      {"PNG cut after its header", PngHeader(64, 48), "coupee.png",
       "« coupee.png » est une image PNG abîmée"},
      {"GIF 24 x 0", GifHeader(24, 0), "plate.gif", "« plate.gif » est une image GIF abîmée"},
      {"PNG whose image data starts empty", EmptyImageDataFirst(), "creuse.png",
       "« creuse.png » est une image PNG abîmée"},
      {"too large", JpegHeader(20000, 15000), "geante.jpg",
       "« geante.jpg » mesure 20000 × 15000 pixels, plus que brelamake n'accepte (16 000 pixels de "
       "côté "
       "et 100 mégapixels au plus) : réduisez-la"},
  };
  for (const auto& c : cases) {
    const ImportedPicture picture = ImportPicture(c.file, c.fileName, 0);
    EXPECT_FALSE(picture.ok) << c.name;
    EXPECT_TRUE(picture.jpeg.empty()) << c.name;
    EXPECT_NE(picture.problem.find(c.says), std::string::npos) << c.name << ": " << picture.problem;
  }
}

// Names without an extension say nothing against the content; any case of a known one agrees.
TEST(ImportPicture, AcceptsEveryNameOfTheFormat) {
  const struct {
    PictureFormat format;
    const char* fileName;
  } cases[] = {
      {PICTURE_JPEG, "photo.JPG"},  {PICTURE_JPEG, "photo.jpeg"}, {PICTURE_JPEG, "photo.Jpe"},
      {PICTURE_JPEG, "photo.jfif"}, {PICTURE_PNG, "dessin.png"},  {PICTURE_GIF, "anim.GIF"},
      {PICTURE_BMP, "carte.bmp"},   {PICTURE_BMP, "carte.dib"},   {PICTURE_PNG, "dossier.v2/image"},
  };
  for (const auto& c : cases) {
    const ImportedPicture picture = ImportPicture(Plain(c.format, 8, 8), c.fileName, 0);
    EXPECT_TRUE(picture.ok) << c.fileName << ": " << picture.problem;
  }
}

}  // namespace
