// The media files of a quiz: recognised by their first bytes, refused with advice when the
// player cannot use them, and kept between checks so that an editor can check often.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tools/authoring/whole_file.h"

// An MP3 file: an ID3v2 tag, or an MPEG audio layer III frame header at once.
bool IsMp3(const Bytes& file);

// An AVI file: a RIFF container of form "AVI ".
bool IsAvi(const Bytes& file);

enum MediaRole { MEDIA_PICTURE, MEDIA_ANSWER_PICTURE, MEDIA_SOUND, MEDIA_FILM };

// What a verdict is for. A check reads no more of a picture than its header, which is cheap
// enough for every question on every keystroke of the editor; the executable needs the picture as
// it goes in, converted when the player would not show it best as it is.
enum MediaUse { MEDIA_FOR_CHECK, MEDIA_FOR_EXECUTABLE };

// What a media file becomes in the executable, or why it cannot.
struct MediaVerdict {
  bool ok;
  std::string problem;  // French, when not ok: what is wrong and what to do
  Bytes resource;       // for the executable, a picture as it goes in (converted or kept); empty
                        // for sounds and films, which go in as they are, and for a check
  std::string warning;  // French, when ok: what the author should still put right
};

// The verdict on the bytes of a file; name is the path as the author wrote it, for the messages.
MediaVerdict ExamineMedia(MediaRole role, const Bytes& file, const std::string& name,
                          std::uint32_t backgroundColour, MediaUse use = MEDIA_FOR_CHECK);

// Verdicts by file, role and background colour: a file whose size and modification time have
// not changed is not read again.
struct MediaCacheKey {
  std::string path;
  std::uintmax_t size;
  std::int64_t modified;
  MediaRole role;
  std::uint32_t backgroundColour;

  bool operator<(const MediaCacheKey& other) const {
    return std::tie(path, size, modified, role, backgroundColour) <
           std::tie(other.path, other.size, other.modified, other.role, other.backgroundColour);
  }
};

struct MediaCache {
  std::map<MediaCacheKey, MediaVerdict> verdicts;
};

// The verdict on the file at path (the author's name for it: name), from the cache when the
// file is unchanged and the kept verdict serves the use (a check's does not give an executable its
// picture); a missing or unreadable file is refused, and never kept.
MediaVerdict CheckMediaFile(MediaRole role, const std::filesystem::path& path,
                            const std::string& name, std::uint32_t backgroundColour,
                            MediaCache* cache, MediaUse use = MEDIA_FOR_CHECK);
