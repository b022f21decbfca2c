// The resources of a quiz executable, made from a quiz file and its media, and read back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/media_check.h"
#include "tools/authoring/quiz_file.h"

constexpr const char* RESOURCE_TYPE_PATCH = "PATCH";
constexpr const char* RESOURCE_TYPE_IMG = "IMG";
constexpr int QUIZ_ID = 104;
constexpr int CODES_ID = 105;
constexpr int MEDIA_ID_BASE = 400;             // + n: picture, sound or film of question n
constexpr int ANSWER_PICTURE_ID_BASE = 10400;  // + n: answer picture of question n
constexpr std::size_t MAX_PACKED_BYTES = 65535;
constexpr std::size_t MAX_UNPACKED_BYTES = 120000;

struct Resource {
  std::string type;
  int id;
  Bytes bytes;
};

// "PATCH" 104 and 105 packed, then "IMG" 400 + n and 10400 + n read from the media files, whose
// paths are relative to baseDir. Every problem (a size the format cannot hold, a media file
// missing, unreadable or of the wrong kind) is added to problems, naming the question and field.
std::vector<Resource> MakeQuizResources(const QuizFile& quiz, const std::filesystem::path& baseDir,
                                        std::vector<std::string>& problems);

// Adds a problem when a resource exceeds what the decoder and its 16-bit length can take.
void CheckResourceSizes(const std::string& name, std::size_t unpacked, std::size_t packed,
                        std::vector<std::string>& problems);

struct MediaFile {
  std::string name;  // the file name the quiz file gives
  Bytes bytes;
};

// The quiz file of an executable's resources and the media files it names (picture01.jpg,
// answer01.jpg, sound01.mp3, film01.avi). False, with problem set, when the quiz resources are
// missing or do not read back; media that are missing are left out and told in warnings.
bool QuizFromResources(const std::vector<Resource>& resources, QuizFile& quiz,
                       std::vector<MediaFile>& media, std::string& problem,
                       std::vector<std::string>& warnings);
