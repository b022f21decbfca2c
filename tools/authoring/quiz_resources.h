// The resources of a quiz executable: the quiz's texts packed and its media; read back by dump.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tools/authoring/media_check.h"
#include "tools/authoring/quiz_file.h"

struct Resource {
  std::string type;
  int id;
  Bytes bytes;
};

// The resource of that type and id, or nullptr.
const Resource* FindStored(const std::vector<Resource>& resources, const char* type, int id);

// "PATCH" 104 and 105: the quiz's texts in code page 1252, packed. A text without that form is
// left empty (the check refuses it); a resource too big for the player adds an error.
std::vector<Resource> PackedQuizResources(const QuizFile& quiz, std::vector<Problem>& problems);

// Adds an error when a resource exceeds what the decoder and its 16-bit length take; name is the
// resource as the message tells it ("le quiz").
void CheckResourceSizes(const std::string& name, std::size_t unpacked, std::size_t packed,
                        std::vector<Problem>& problems);

// A media file that a quiz puts into its executable.
struct MediaSlot {
  int question;       // from 1
  const char* field;  // "picture", "sound", "film" or "answerPicture"
  MediaRole role;
  std::string path;  // as the quiz file gives it
  int resourceId;    // "IMG" 400 + n or 10400 + n
};

// The media of every question that the quiz's kind and reveal mode show, paths empty or not.
std::vector<MediaSlot> MediaSlots(const QuizFile& quiz);

// Where a media path leads: relative paths start from folder.
std::filesystem::path ResolvedMediaPath(const std::filesystem::path& folder,
                                        const std::string& path);

// Where the media of MediaSlots lie, relative paths from folder: inputs that no output replaces.
std::vector<std::filesystem::path> MediaPaths(const QuizFile& quiz,
                                              const std::filesystem::path& folder);

struct MediaFile {
  std::string name;  // the file name the quiz file gives
  Bytes bytes;
};

// The quiz as the player loads it from an executable's resources: its texts in code page 1252.
// False, with the reason in problem, when the quiz resources are missing or do not read back.
bool PlayerQuizOf(const std::vector<Resource>& resources, QuizDefinition& quiz,
                  std::string& problem);

// The quiz of an executable's resources, its texts back in UTF-8, and the media files it names
// (picture01.jpg, answer01.jpg, sound01.mp3, film01.avi). False, with the reason in problem,
// when the quiz resources are missing or do not read back; media that are missing are left out
// and told in warnings.
bool QuizFromResources(const std::vector<Resource>& resources, QuizFile& quiz,
                       std::vector<MediaFile>& media, std::string& problem,
                       std::vector<Problem>& warnings);
