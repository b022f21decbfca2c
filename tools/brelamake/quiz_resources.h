// The resources of a quiz executable, made from a quiz file and its media, and read back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tools/brelamake/media_check.h"
#include "tools/brelamake/quiz_file.h"


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
