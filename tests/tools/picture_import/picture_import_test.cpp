// Picture import on pictures made in the test: formats, sizes, Exif orientations, transparency,
// the byte-for-byte keep, the limits read from headers and every refusal. Sizes and colours are
// worked out by hand; stb_image only reads the results back.
#include "tools/picture_import/picture_import.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <string>

#include "tests/tools/picture_import/sample_pictures.h"

namespace {

const Rgba RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255};
const Rgba WHITE{255, 255, 255, 255}, CLEAR{0, 0, 0, 0}, HALF_BLACK{0, 0, 0, 128};

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Blue all over, in the format.
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

// A small picture whose header claims another size: where each format keeps its width and height.
Bytes Claiming(PictureFormat format, unsigned width, unsigned height) {
  Bytes file = Plain(format, 8, 8);
  const auto put = [&file](std::size_t at, unsigned value, int bytes, bool bigEndian) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
      file[at + i] = static_cast<unsigned char>(value >> shift);
    }
  };
  const unsigned char frame[] = {0xFF, 0xC0};
  const std::size_t jpegFrame =
      std::search(file.begin(), file.end(), frame, frame + 2) - file.begin();
  const struct {
    std::size_t widthAt, heightAt;
    int bytes;
    bool bigEndian;
  } places[] = {{0, 0, 0, false},
                {jpegFrame + 7, jpegFrame + 5, 2, true},  // the frame header
                {16, 20, 4, true},                        // the header chunk
                {6, 8, 2, false},                         // the logical screen
                {18, 22, 4, false}};                      // the bitmap header
  const auto& place = places[format];
  put(place.widthAt, width, place.bytes, place.bigEndian);
  put(place.heightAt, height, place.bytes, place.bigEndian);
  return file;
}

// The pixels of the imported JPEG as stb_image reads them back.
struct Shown {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
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
::testing::AssertionResult Near(const unsigned char* actual, Rgba expected) {
  const int wanted[3] = {expected.r, expected.g, expected.b};
  for (int c = 0; c < 3; ++c) {
    if (actual[c] - wanted[c] > 16 || wanted[c] - actual[c] > 16) {
      return ::testing::AssertionFailure()
             << "colour " << int{actual[0]} << "," << int{actual[1]} << "," << int{actual[2]};
    }
  }
  return ::testing::AssertionSuccess();
}

// What the player gets from every import: a baseline JFIF JPEG of the size given, and at the
// centres of its quadrants (top left, top right, bottom left, bottom right) the colours given.
void ExpectPlayerJpeg(const ImportedPicture& picture, int width, int height,
                      const Rgba (&quadrants)[4]) {
  ASSERT_TRUE(picture.ok) << picture.problem;
  EXPECT_EQ(Bytes(picture.jpeg.begin(), picture.jpeg.begin() + 11),
            Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11)));
  const unsigned char baseline[] = {0xFF, 0xC0}, progressive[] = {0xFF, 0xC2};
  const auto end = picture.jpeg.end();
  EXPECT_NE(std::search(picture.jpeg.begin(), end, baseline, baseline + 2), end);
  EXPECT_EQ(std::search(picture.jpeg.begin(), end, progressive, progressive + 2), end);
  EXPECT_EQ(picture.width, width);
  EXPECT_EQ(picture.height, height);
  const Shown shown = Decoded(picture.jpeg);
  ASSERT_EQ(shown.width, width);
  ASSERT_EQ(shown.height, height);
  for (int q = 0; q < 4; ++q) {
    const int x = (q % 2 * 2 + 1) * width / 4, y = (q / 2 * 2 + 1) * height / 4;
    EXPECT_TRUE(Near(&shown.rgb[(static_cast<std::size_t>(y) * width + x) * 3], quadrants[q]))
        << "quadrant " << q;
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
                     c.shownHeight, {BLUE, BLUE, BLUE, BLUE});
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
      ExpectPlayerJpeg(picture, c.sidesSwap ? 20 : 40, c.sidesSwap ? 40 : 20, c.shown);
    }
  }
}

// Opaque on the left, transparent at the top right, half-transparent black at the bottom right;
// a GIF's second frame, blue all over, is not shown.
TEST(ImportPicture, LaysTransparencyOnTheBackgroundAndTakesTheFirstFrame) {
  const Rgba pixels[4] = {RED, CLEAR, GREEN, HALF_BLACK};
  const Rgba palette[4] = {CLEAR, RED, GREEN, BLUE};
  Bytes frame(40 * 40);
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = i % 40 < 20 ? (i < 800 ? 1 : 2) : 0;
  const struct {
    const char* name;
    Bytes file;
    int shownSize;
    std::uint32_t background;
    Rgba shown[4];
  } cases[] = {
      {"PNG",
       PngOf(Quadrants(40, 40, pixels), 40, 40),
       40,
       0x00FF8000,
       {RED, {0x00, 0x80, 0xFF, 255}, GREEN, {0x00, 0x40, 0x7F, 255}}},
      {"PNG reduced",
       PngOf(Quadrants(520, 520, pixels), 520, 520),
       260,
       0x00FFFFFF,
       {RED, WHITE, GREEN, {0x7F, 0x7F, 0x7F, 255}}},
      {"GIF of two frames",
       GifOf(40, 40, palette, {frame, Bytes(frame.size(), 3)}),
       40,
       0x0000FFFF,
       {RED, {0xFF, 0xFF, 0x00, 255}, GREEN, {0xFF, 0xFF, 0x00, 255}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPlayerJpeg(ImportPicture(c.file, "dessin", c.background), c.shownSize, c.shownSize,
                     c.shown);
  }
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
    const ImportedPicture picture = ImportPicture(c.file, "photo.jpg", 0);
    ASSERT_TRUE(picture.ok) << c.name << ": " << picture.problem;
    EXPECT_EQ(picture.jpeg == c.file, c.kept) << c.name;
  }
}

// 16 000 pixels a side and 100 000 000 pixels in all are the most; the header alone tells.
TEST(InspectPicture, ReadsTheSizeFromTheHeaderAndRefusesAbsurdOnes) {
  const struct {
    PictureFormat format;
    unsigned width, height;
    bool ok;
  } cases[] = {
      {PICTURE_PNG, 16000, 6250, true},    {PICTURE_PNG, 16000, 6251, false},
      {PICTURE_PNG, 16001, 1, false},      {PICTURE_PNG, 1, 16000, true},
      {PICTURE_JPEG, 20000, 15000, false}, {PICTURE_JPEG, 4000, 3000, true},
      {PICTURE_GIF, 10001, 10001, false},  {PICTURE_GIF, 10000, 10000, true},
      {PICTURE_BMP, 16001, 10, false},     {PICTURE_BMP, 640, 480, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", format " +
                 std::to_string(c.format));
    const PictureInfo info = InspectPicture(Claiming(c.format, c.width, c.height), "image");
    EXPECT_EQ(info.ok, c.ok) << info.problem;
    EXPECT_EQ(info.problem.find("16 000 pixels de côté et 100 mégapixels") != std::string::npos,
              !c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(info.width, static_cast<int>(c.width));
    EXPECT_EQ(info.height, static_cast<int>(c.height));
  }
}

// A good PNG with an empty image data chunk before its real one.
Bytes EmptyImageDataFirst() {
  Bytes png = Plain(PICTURE_PNG, 8, 8);
  const std::string empty("\0\0\0\0IDAT\x35\xAF\x06\x1E", 12);
  png.insert(png.begin() + 8 + 25, empty.begin(), empty.end());  // after the header chunk
  return png;
}

TEST(ImportPicture, RefusesWithTheReasonAndWhatToDo) {
  const Bytes png = Plain(PICTURE_PNG, 8, 8);
  Bytes cutPng = png, jpegWithoutScan = Plain(PICTURE_JPEG, 8, 8);
  cutPng.resize(33);  // signature and header chunk
  const unsigned char scan[] = {0xFF, 0xDA};
  jpegWithoutScan.erase(std::search(jpegWithoutScan.begin(), jpegWithoutScan.end(), scan, scan + 2),
                        jpegWithoutScan.end());
  const struct {
    Bytes file;
    std::string fileName;
    std::string says;
  } cases[] = {
      {{}, "vide.jpg", "« vide.jpg » est un fichier vide : enregistrez l'image de nouveau"},
      {Of("Bonjour"), "notes.jpg",
       "« notes.jpg » n'est pas une image JPEG, PNG, GIF ou BMP : vérifiez"},
      {Of(std::string("\0\0\0\x18"
                      "ftypheic",
                      12)),
       "IMG_0001.HEIC",
       "« IMG_0001.HEIC » est une image HEIC, que le joueur ne sait pas montrer : enregistrez-la "
       "en JPEG ou en PNG depuis un logiciel d'images (sur l'iPhone, Réglages > Appareil photo > "
       "Formats > « Le plus compatible » fait des photos JPEG)."},
      {Of(std::string("RIFF\0\0\0\0WEBPVP8 ", 16)), "chat.webp",
       "« chat.webp » est une image WebP,"},
      {Of(std::string("II*\0\x08\0\0\0", 8)), "scan.tif", "« scan.tif » est une image TIFF,"},
      {Of("\xFF\xD8\xFF"), "coupee.jpg",
       "« coupee.jpg » est une image JPEG abîmée, ou d'une sorte que brela ne sait pas lire : "
       "ouvrez-la"},
      {jpegWithoutScan, "sans.jpg", "« sans.jpg » est une image JPEG abîmée"},
      {cutPng, "coupee.png", "« coupee.png » est une image PNG abîmée"},
      {EmptyImageDataFirst(), "creuse.png", "« creuse.png » est une image PNG abîmée"},
      {Claiming(PICTURE_GIF, 24, 0), "plate.gif", "« plate.gif » est une image GIF abîmée"},
      {Claiming(PICTURE_JPEG, 20000, 15000), "geante.jpg",
       "« geante.jpg » mesure 20000 × 15000 pixels, plus que brela n'accepte (16 000 pixels de "
       "côté et 100 mégapixels au plus) : réduisez-la"},
  };
  for (const auto& c : cases) {
    const ImportedPicture picture = ImportPicture(c.file, c.fileName, 0);
    EXPECT_FALSE(picture.ok) << c.fileName;
    EXPECT_TRUE(picture.jpeg.empty()) << c.fileName;
    EXPECT_NE(picture.problem.find(c.says), std::string::npos) << picture.problem;
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
    EXPECT_TRUE(picture.ok) << c.fileName;
    EXPECT_EQ(picture.warning, "") << c.fileName;
  }
}

// The content decides how a picture is read; a name that says otherwise is only warned about.
TEST(ImportPicture, ReadsAPictureWhoseNameSaysAnotherFormatAndWarns) {
  const struct {
    PictureFormat format;
    std::string fileName;
    std::string warning;
  } cases[] = {
      {PICTURE_PNG, "images/chat.jpg",
       "« images/chat.jpg » contient une image PNG alors que son nom finit par « .jpg » : elle est "
       "lue comme une image PNG ; pour que son nom dise ce qu'elle est, renommez le fichier "
       "« images/chat.png » et donnez ce nom dans le quiz."},
      {PICTURE_JPEG, "CHAT.PNG",
       "« CHAT.PNG » contient une image JPEG alors que son nom finit par « .png » : elle est lue "
       "comme une image JPEG ; pour que son nom dise ce qu'elle est, renommez le fichier "
       "« CHAT.jpg » et donnez ce nom dans le quiz."},
      {PICTURE_PNG, "chat.txt",
       "« chat.txt » contient une image PNG alors que son nom finit par « .txt » : elle est lue "
       "comme une image PNG ; pour que son nom dise ce qu'elle est, renommez le fichier "
       "« chat.png » et donnez ce nom dans le quiz."},
      {PICTURE_GIF, "a.b/chat.bmp",
       "« a.b/chat.bmp » contient une image GIF alors que son nom finit par « .bmp » : elle est "
       "lue comme une image GIF ; pour que son nom dise ce qu'elle est, renommez le fichier "
       "« a.b/chat.gif » et donnez ce nom dans le quiz."},
  };
  const Rgba blue[4] = {BLUE, BLUE, BLUE, BLUE};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName);
    const Bytes file = Plain(c.format, 8, 8);
    const PictureInfo info = InspectPicture(file, c.fileName);
    EXPECT_TRUE(info.ok) << info.problem;
    EXPECT_EQ(info.format, c.format);
    EXPECT_EQ(info.warning, c.warning);
    const ImportedPicture picture = ImportPicture(file, c.fileName, 0);
    ExpectPlayerJpeg(picture, 8, 8, blue);
    EXPECT_EQ(picture.warning, c.warning);
  }
}

// Whatever the length a file is cut to, the check before decoding refuses it exactly when the
// import does: what passes a check is made.
TEST(InspectPicture, RefusesAFileCutShortExactlyWhenTheImportDoes) {
  for (PictureFormat format : {PICTURE_JPEG, PICTURE_PNG, PICTURE_GIF, PICTURE_BMP}) {
    const Bytes whole = Plain(format, 24, 16);
    int refused = 0;
    for (std::size_t length = 1; length < whole.size(); ++length) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      const PictureInfo info = InspectPicture(cut, "image");
      const ImportedPicture picture = ImportPicture(cut, "image", 0);
      ASSERT_EQ(info.ok, picture.ok) << "format " << format << ", " << length << " of "
                                     << whole.size() << " bytes: " << picture.problem;
      refused += info.ok ? 0 : 1;
    }
    EXPECT_GT(refused, 0) << "format " << format;
  }
}

TEST(InspectPicture, RefusesAJpegOrPngWithoutItsEnd) {
  Bytes jpeg = Plain(PICTURE_JPEG, 24, 16), png = Plain(PICTURE_PNG, 24, 16);
  ASSERT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  ASSERT_EQ(jpeg[jpeg.size() - 1], 0xD9);  // EOI
  jpeg.resize(jpeg.size() - 2);
  ASSERT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
  png.resize(png.size() - 12);
  const std::string advice =
      " abîmée, ou d'une sorte que brela ne sait pas lire : ouvrez-la dans un logiciel "
      "d'images et enregistrez-la de nouveau, en JPEG ou en PNG.";
  EXPECT_EQ(InspectPicture(jpeg, "photo.jpg").problem,
            "« photo.jpg » est une image JPEG" + advice);
  EXPECT_EQ(InspectPicture(png, "dessin.png").problem, "« dessin.png » est une image PNG" + advice);
  png.resize(png.size() + 8);
  std::copy_n("\0\0\0\0IEND", 8, png.end() - 8);  // the end chunk without its CRC still ends it
  EXPECT_TRUE(InspectPicture(png, "dessin.png").ok);
}

// A 2 x 2 BMP of 8 (or 4) bits with a palette of two colours, rows bottom up, byte by byte:
// compression 0 stores the rows (each padded to 4 bytes), 1 (RLE8) and 2 (RLE4) store runs.
Bytes PaletteBmp(int compression) {
  const auto put32 = [](Bytes& bytes, unsigned value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  const Bytes rows = compression == 0 ? Bytes{0, 0, 0, 0, 1, 1, 0, 0}
                     // a run of two pixels of colour 0, end of line, two of colour 1, end of bitmap
                     : compression == 1 ? Bytes{2, 0x00, 0, 0, 2, 0x01, 0, 1}
                                        : Bytes{2, 0x00, 0, 0, 2, 0x11, 0, 1};
  Bytes bmp{'B', 'M'};
  put32(bmp, static_cast<unsigned>(62 + rows.size()));
  put32(bmp, 0);
  put32(bmp, 62);  // 14 + 40 + two palette entries of 4 bytes
  put32(bmp, 40);
  put32(bmp, 2);  // width
  put32(bmp, 2);  // height
  bmp.insert(bmp.end(), {1, 0, static_cast<unsigned char>(compression == 2 ? 4 : 8), 0});
  put32(bmp, static_cast<unsigned>(compression));
  put32(bmp, static_cast<unsigned>(rows.size()));
  put32(bmp, 2835);
  put32(bmp, 2835);
  put32(bmp, 2);  // colours used
  put32(bmp, 0);
  bmp.insert(bmp.end(), {0, 0, 255, 0, 255, 0, 0, 0});  // red, blue (B, G, R, 0)
  bmp.insert(bmp.end(), rows.begin(), rows.end());
  return bmp;
}

// A JPEG header of the frame kind given, 24 x 16, one component, then a scan and its end: enough
// to tell the kind, which is all a check reads of it.
Bytes JpegOfFrameKind(unsigned char frameMarker) {
  return Bytes{0xFF, 0xD8,                                                 // SOI
               0xFF, frameMarker, 0, 11, 8, 0, 16, 0, 24, 1, 1, 0x11, 0,  // frame header
               0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 63, 0,                    // scan header
               0x12, 0x34,                                                // coded data
               0xFF, 0xD9};                                               // EOI
}

TEST(InspectPicture, NamesTheKindsOfBmpAndJpegItCannotConvert) {
  const std::string advice =
      " qui ne peut pas être convertie pour le joueur : ouvrez-la dans un logiciel d'images qui "
      "la lit (Paint, GIMP...) et enregistrez-la de nouveau, en JPEG ou en PNG.";
  const struct {
    Bytes file;
    std::string fileName;
    std::string problem;
  } cases[] = {
      {PaletteBmp(1), "carte.bmp",
       "« carte.bmp » est une image BMP compressée (RLE), une sorte d'image BMP" + advice},
      {PaletteBmp(2), "carte4.bmp",
       "« carte4.bmp » est une image BMP compressée (RLE), une sorte d'image BMP" + advice},
      {JpegOfFrameKind(0xC9), "scan.jpg",
       "« scan.jpg » est une image JPEG à codage arithmétique, une sorte d'image JPEG" + advice},
      {JpegOfFrameKind(0xCA), "scan2.jpg",
       "« scan2.jpg » est une image JPEG à codage arithmétique, une sorte d'image JPEG" + advice},
      {JpegOfFrameKind(0xC3), "radio.jpg",
       "« radio.jpg » est une image JPEG sans perte ou hiérarchique, une sorte d'image JPEG" +
           advice},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InspectPicture(c.file, c.fileName).problem, c.problem);
    const ImportedPicture picture = ImportPicture(c.file, c.fileName, 0);
    EXPECT_FALSE(picture.ok) << c.fileName;
    EXPECT_EQ(picture.problem, c.problem);
  }
  // The same palette picture stored without compression is read: red below blue.
  const ImportedPicture stored = ImportPicture(PaletteBmp(0), "carte.bmp", 0);
  ExpectPlayerJpeg(stored, 2, 2, {BLUE, BLUE, RED, RED});
}

}  // namespace
