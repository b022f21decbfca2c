// Checking and converting a picture file for the player: sniffing, the header's size, stb's
// decoder, resampler and encoder, and the French messages of every refusal.
#include "tools/picture_import/picture_import.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <climits>
#include <cstring>
#include <memory>
#include <utility>

#include "board/layout.h"
#include "picture/scaling.h"
#include "tools/picture_import/jpeg_segments.h"
#include "tools/picture_import/png_chunks.h"
#include "tools/picture_import/quoted.h"
#include "tools/picture_import/raster.h"

namespace {

// stb_image_write keeps full colour resolution above 90; small pictures need it for sharp edges.
constexpr int JPEG_QUALITY = 92;
constexpr unsigned char MARKER_BASELINE = 0xC0;
// Frame headers from SOF3 on are lossless or hierarchical, from SOF9 on arithmetic-coded.
constexpr unsigned char MARKER_LOSSLESS = 0xC3;
constexpr unsigned char MARKER_ARITHMETIC_FIRST = 0xC9;

struct FormatName {
  PictureFormat format;
  const char* name;       // as the messages say it
  const char* extension;  // the one a renamed file gets
};

constexpr FormatName FORMAT_NAMES[] = {
    {PICTURE_JPEG, "JPEG", ".jpg"},
    {PICTURE_PNG, "PNG", ".png"},
    {PICTURE_GIF, "GIF", ".gif"},
    {PICTURE_BMP, "BMP", ".bmp"},
};

struct Extension {
  const char* text;
  PictureFormat format;
};

constexpr Extension EXTENSIONS[] = {
    {".jpg", PICTURE_JPEG},  {".jpeg", PICTURE_JPEG}, {".jpe", PICTURE_JPEG},
    {".jfif", PICTURE_JPEG}, {".png", PICTURE_PNG},   {".gif", PICTURE_GIF},
    {".bmp", PICTURE_BMP},   {".dib", PICTURE_BMP},
};

bool HasAt(const Bytes& file, std::size_t offset, const char* text, std::size_t length) {
  return file.size() >= offset + length && std::memcmp(file.data() + offset, text, length) == 0;
}

const FormatName& NameOf(PictureFormat format) {
  for (const FormatName& name : FORMAT_NAMES) {
    if (name.format == format) return name;
  }
  return FORMAT_NAMES[0];
}

// The last extension of the name's last component, in lower case ("" when there is none).
std::string ExtensionOf(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of("/\\");
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot <= start) return "";
  std::string extension = fileName.substr(dot);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension;
}

PictureFormat FormatOfExtension(const std::string& extension) {
  for (const Extension& known : EXTENSIONS) {
    if (extension == known.text) return known.format;
  }
  return PICTURE_UNKNOWN;
}

// Pictures that people have but the player cannot show, told by name so that the advice fits.
const char* ForeignPictureKind(const Bytes& file) {
  if (HasAt(file, 4, "ftyp", 4) &&
      (HasAt(file, 8, "heic", 4) || HasAt(file, 8, "heix", 4) || HasAt(file, 8, "mif1", 4))) {
    return "HEIC";
  }
  if (HasAt(file, 4, "ftypavif", 8)) return "AVIF";
  if (HasAt(file, 0, "RIFF", 4) && HasAt(file, 8, "WEBP", 4)) return "WebP";
  if (HasAt(file, 0, "II*\0", 4) || HasAt(file, 0, "MM\0*", 4)) return "TIFF";
  return nullptr;
}

std::string NotAPicture(const Bytes& file, const std::string& fileName) {
  if (file.empty()) {
    return Quoted(fileName) +
           " est un fichier vide : enregistrez l'image de nouveau, en JPEG ou en PNG.";
  }
  const char* foreign = ForeignPictureKind(file);
  if (!foreign) {
    return Quoted(fileName) +
           " n'est pas une image JPEG, PNG, GIF ou BMP : vérifiez que c'est le bon fichier, ou "
           "enregistrez l'image en JPEG ou en PNG depuis un logiciel d'images.";
  }
  std::string problem = Quoted(fileName) + " est une image " + foreign +
                        ", que le joueur ne sait pas montrer : enregistrez-la en JPEG ou en PNG "
                        "depuis un logiciel d'images";
  if (std::strcmp(foreign, "HEIC") == 0) {
    problem +=
        " (sur l'iPhone, Réglages > Appareil photo > Formats > « Le plus compatible » fait "
        "des photos JPEG)";
  }
  return problem + ".";
}

std::string Misnamed(PictureFormat format, const std::string& fileName,
                     const std::string& extension) {
  const FormatName& name = NameOf(format);
  const std::string renamed =
      fileName.substr(0, fileName.size() - extension.size()) + name.extension;
  return Quoted(fileName) + " contient une image " + name.name + " alors que son nom finit par " +
         Quoted(extension) + " : elle est lue comme une image " + name.name +
         " ; pour que son nom dise ce qu'elle est, renommez le fichier " + Quoted(renamed) +
         " et donnez ce nom dans le quiz.";
}

// A warning when the name's extension says another format than the content ("" when it agrees
// or says nothing).
std::string NameWarning(PictureFormat format, const std::string& fileName) {
  const std::string extension = ExtensionOf(fileName);
  if (extension.empty() || FormatOfExtension(extension) == format) return "";
  return Misnamed(format, fileName, extension);
}

// Kinds of the accepted formats that stb does not decode, named so that the author knows what to
// convert: they would otherwise look damaged.
const char* UndecodedKind(const Bytes& file, PictureFormat format) {
  if (format == PICTURE_JPEG) {
    const JpegFrame frame = ReadJpegFrame(file);
    if (!frame.found) return nullptr;
    if (frame.marker >= MARKER_ARITHMETIC_FIRST) return "JPEG à codage arithmétique";
    if (frame.marker >= MARKER_LOSSLESS) return "JPEG sans perte ou hiérarchique";
    return nullptr;
  }
  // BITMAPINFOHEADER and its successors: the compression at offset 30, 1 and 2 run-length coding.
  if (format == PICTURE_BMP && file.size() >= 34 && file[14] >= 40 && file[31] == 0 &&
      file[32] == 0 && file[33] == 0 && (file[30] == 1 || file[30] == 2)) {
    return "BMP compressée (RLE)";
  }
  return nullptr;
}

std::string Undecoded(const char* kind, PictureFormat format, const std::string& fileName) {
  return Quoted(fileName) + " est une image " + kind + ", une sorte d'image " +
         NameOf(format).name +
         " qui ne peut pas être convertie pour le joueur : ouvrez-la dans un logiciel d'images "
         "qui la lit (Paint, GIMP...) et enregistrez-la de nouveau, en JPEG ou en PNG.";
}

std::string Unreadable(PictureFormat format, const std::string& fileName) {
  return Quoted(fileName) + " est une image " + NameOf(format).name +
         " abîmée, ou d'une sorte que brela ne sait pas lire : ouvrez-la dans un logiciel "
         "d'images et enregistrez-la de nouveau, en JPEG ou en PNG.";
}

// A number as French writes it, its digits in groups of three: "16 000".
std::string GroupedDigits(long long number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, " ");
  return digits;
}

std::string TooLarge(const std::string& fileName, int width, int height) {
  const std::string cell = std::to_string(PICTURE_CELL_SIZE);
  return Quoted(fileName) + " mesure " + std::to_string(width) + " × " + std::to_string(height) +
         " pixels, plus que brela n'accepte (" + GroupedDigits(MAX_PICTURE_SIDE) +
         " pixels de côté et " + std::to_string(MAX_PICTURE_PIXELS / 1000000) +
         " mégapixels au plus) : réduisez-la dans un logiciel d'images ; le joueur la montre "
         "dans un carré de " + cell + " × " + cell + " pixels.";
}

std::string OutOfMemory(const std::string& fileName) {
  return "La mémoire a manqué pour convertir " + Quoted(fileName) +
         " : réduisez l'image dans un logiciel d'images, ou fermez d'autres programmes et "
         "recommencez.";
}

PictureInfo Refused(PictureFormat format, std::string problem) {
  return {false, format, 0, 0, 1, std::move(problem), ""};
}

ImportedPicture ImportRefused(std::string problem) {
  return {false, {}, 0, 0, std::move(problem), ""};
}

bool WithinLimits(int width, int height) {
  return width <= MAX_PICTURE_SIDE && height <= MAX_PICTURE_SIDE &&
         static_cast<std::int64_t>(width) * height <= MAX_PICTURE_PIXELS;
}

bool SwapsSides(int orientation) { return orientation >= 5; }

// The player enlarges small pictures itself: only larger ones are reduced to its box.
PictureSize FittedSize(int width, int height) {
  if (width <= PICTURE_CELL_SIZE && height <= PICTURE_CELL_SIZE) return {width, height};
  return ScaledSize(width, height, PICTURE_CELL_SIZE, PICTURE_CELL_SIZE);
}

// Already what the import would make, so that the author's own encoding is kept.
bool IsKeptAsIs(const Bytes& file, const PictureInfo& info) {
  if (info.format != PICTURE_JPEG || info.orientation != 1 || !StartsWithJfif(file)) return false;
  const JpegFrame frame = ReadJpegFrame(file);
  return frame.marker == MARKER_BASELINE && frame.precision == 8 &&
         (frame.components == 1 || frame.components == 3) && frame.width <= PICTURE_CELL_SIZE &&
         frame.height <= PICTURE_CELL_SIZE;
}

// What stb must not be given, not even to read the size: it takes in a JPEG's tables with its
// frame header.
bool IsSoundForStb(const Bytes& file, PictureFormat format) {
  if (format == PICTURE_JPEG) return IsSoundJpeg(file);
  if (format == PICTURE_PNG) return IsSoundPng(file);
  return true;
}

std::uint32_t Read32LittleEndian(const Bytes& file, std::size_t at) {
  return std::uint32_t{file[at]} | std::uint32_t{file[at + 1]} << 8 |
         std::uint32_t{file[at + 2]} << 16 | std::uint32_t{file[at + 3]} << 24;
}

// The file header (14 bytes) and the whole info header, whose size comes first.
bool HasWholeBmpHeader(const Bytes& file) {
  return file.size() >= 18 && file.size() - 14 >= Read32LittleEndian(file, 14);
}

// The size of a GIF colour table that the flags byte announces, 0 when there is none.
std::size_t GifColourTableSize(unsigned char flags) {
  return flags & 0x80 ? std::size_t{3} << ((flags & 7) + 1) : 0;
}

// Past the screen descriptor, its colour table and the extensions, to the first image's
// descriptor, colour table, code size, first data block length and first byte of data: what stb
// needs of a GIF, whose data it reads as zeros past the end of the file.
bool ReachesGifImage(const Bytes& file) {
  if (file.size() < 13) return false;
  std::size_t at = 13 + GifColourTableSize(file[10]);
  while (at < file.size() && file[at] == 0x21) {  // an extension: label, then data blocks
    at += 2;
    while (at < file.size() && file[at] != 0) at += 1 + std::size_t{file[at]};
    ++at;
  }
  if (at >= file.size() || file[at] != 0x2C || file.size() - at < 10) return false;
  at += 10 + GifColourTableSize(file[at + 9]);
  return at < file.size() && file.size() - at >= 3;
}

// What stb's decoder refuses and its header reader does not see: a file cut short.
bool IsWhole(const Bytes& file, PictureFormat format) {
  switch (format) {
    case PICTURE_JPEG:
      return IsWholeJpeg(file);
    case PICTURE_PNG:
      return IsWholePng(file);
    case PICTURE_GIF:
      return ReachesGifImage(file);
    default:
      return HasWholeBmpHeader(file);
  }
}

using StbPixels = std::unique_ptr<unsigned char, void (*)(void*)>;

// JPEG has no transparency: three channels spare the compositing.
PixelView Decode(const Bytes& file, PictureFormat format, StbPixels& owner) {
  const int channels = format == PICTURE_JPEG ? 3 : 4;
  int width = 0, height = 0, inFile = 0;
  owner.reset(stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height,
                                    &inFile, channels));
  return {owner.get(), width, height, channels};
}

bool IsOutOfMemory() {
  const char* reason = stbi_failure_reason();
  return reason && std::strcmp(reason, "outofmem") == 0;
}

void AppendBytes(void* context, void* data, int size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
}

// Reduced in its stored orientation (a smaller raster to turn), laid on the background, turned.
Raster UprightWithinBox(const PixelView& decoded, int orientation, std::uint32_t backgroundColour) {
  const bool swap = SwapsSides(orientation);
  const PictureSize shown =
      FittedSize(swap ? decoded.height : decoded.width, swap ? decoded.width : decoded.height);
  const int width = swap ? shown.height : shown.width;
  const int height = swap ? shown.width : shown.height;
  Raster reduced{};
  PixelView view = decoded;
  if (width != decoded.width || height != decoded.height) {
    reduced = Resized(decoded, width, height);
    if (reduced.pixels.empty()) return reduced;
    view = ViewOf(reduced);
  }
  Raster opaque{};
  if (view.channels == 4) {
    opaque = LaidOnBackground(view, backgroundColour);
    view = ViewOf(opaque);
  }
  return Oriented(view, orientation);
}

}  // namespace

PictureFormat SniffPicture(const Bytes& file) {
  if (HasAt(file, 0, "\xFF\xD8\xFF", 3)) return PICTURE_JPEG;
  if (HasAt(file, 0, "\x89PNG\r\n\x1A\n", 8)) return PICTURE_PNG;
  if (HasAt(file, 0, "GIF87a", 6) || HasAt(file, 0, "GIF89a", 6)) return PICTURE_GIF;
  if (HasAt(file, 0, "BM", 2)) return PICTURE_BMP;
  return PICTURE_UNKNOWN;
}

PictureInfo InspectPicture(const Bytes& file, const std::string& fileName) {
  const PictureFormat format = SniffPicture(file);
  if (format == PICTURE_UNKNOWN) return Refused(format, NotAPicture(file, fileName));
  if (const char* kind = UndecodedKind(file, format)) {
    return Refused(format, Undecoded(kind, format, fileName));
  }
  int width = 0, height = 0, channels = 0;
  // stb reads a GIF's side of 0 without complaint.
  if (!IsSoundForStb(file, format) || !IsWhole(file, format) || file.size() > INT_MAX ||
      !stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &width, &height,
                             &channels) ||
      width < 1 || height < 1) {
    return Refused(format, Unreadable(format, fileName));
  }
  if (!WithinLimits(width, height)) return Refused(format, TooLarge(fileName, width, height));
  const int orientation = format == PICTURE_JPEG ? ReadExifOrientation(file) : 1;
  if (SwapsSides(orientation)) std::swap(width, height);
  return {true, format, width, height, orientation, "", NameWarning(format, fileName)};
}

ImportedPicture ImportPicture(const Bytes& file, const std::string& fileName,
                              std::uint32_t backgroundColour) {
  const PictureInfo info = InspectPicture(file, fileName);
  if (!info.ok) return ImportRefused(info.problem);
  StbPixels owner(nullptr, stbi_image_free);
  const PixelView decoded = Decode(file, info.format, owner);
  if (!decoded.pixels) {
    return ImportRefused(IsOutOfMemory() ? OutOfMemory(fileName)
                                         : Unreadable(info.format, fileName));
  }
  // The sizes below, and the limits checked before decoding, hold only for what the header said.
  const bool swap = SwapsSides(info.orientation);
  if (decoded.width != (swap ? info.height : info.width) ||
      decoded.height != (swap ? info.width : info.height)) {
    return ImportRefused(Unreadable(info.format, fileName));
  }
  if (IsKeptAsIs(file, info)) return {true, file, info.width, info.height, "", info.warning};
  const Raster upright = UprightWithinBox(decoded, info.orientation, backgroundColour);
  ImportedPicture imported{true, {}, upright.width, upright.height, "", info.warning};
  if (upright.pixels.empty() ||
      !stbi_write_jpg_to_func(AppendBytes, &imported.jpeg, upright.width, upright.height, 3,
                              upright.pixels.data(), JPEG_QUALITY)) {
    return ImportRefused(OutOfMemory(fileName));
  }
  return imported;
}
