// Pictures as authors have them (phone JPEGs, PNG, GIF, BMP) made into what the player shows
// best: a baseline JFIF JPEG within its picture box, upright, transparent parts on the quiz's
// background. Failures are returned, with a French message for the author, never thrown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

enum PictureFormat { PICTURE_UNKNOWN, PICTURE_JPEG, PICTURE_PNG, PICTURE_GIF, PICTURE_BMP };

// Larger pictures are refused before decoding: nobody means them, and decoding them would take
// gigabytes.
constexpr int MAX_PICTURE_SIDE = 16000;
constexpr std::int64_t MAX_PICTURE_PIXELS = 100000000;

// The format of a picture file by its first bytes.
PictureFormat SniffPicture(const Bytes& file);

struct PictureInfo {
  bool ok;
  PictureFormat format;
  int width, height;    // as shown: turned upright by the Exif orientation
  int orientation;      // the Exif orientation, 1 to 8 (1 when there is none)
  std::string problem;  // French, when !ok: what is wrong and what to do
  std::string warning;  // French, when ok but its name says another format
};

// What can be told without decoding: a picture of an accepted format and kind, whole up to its
// end, of an acceptable size. Cheap enough for a check of every question; the import starts with
// it, so that a check refuses what the import would refuse without decoding. A name that says
// another format is only warned about: the content decides how it is read.
PictureInfo InspectPicture(const Bytes& file, const std::string& fileName);

struct ImportedPicture {
  bool ok;
  Bytes jpeg;  // a baseline JFIF JPEG within 260 x 260 (the input itself when it already was one)
  int width, height;    // of jpeg
  std::string problem;  // French, when !ok: what is wrong and what to do
  std::string warning;  // French, when ok: InspectPicture's
};

// Transparent parts are laid on backgroundColour (0x00BBGGRR); the name serves the messages and the
// check that the file is what its name says. Pictures are reduced to fit the player's box with
// their proportions kept, never enlarged (the player enlarges small pictures itself).
ImportedPicture ImportPicture(const Bytes& file, const std::string& fileName,
                              std::uint32_t backgroundColour);
