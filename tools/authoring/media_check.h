// The media files of a quiz: recognised by their first bytes, refused with advice when the
// player cannot use them, and kept between checks so that an editor can check often.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using Bytes = std::vector<unsigned char>;

// A JPEG in the JFIF form: FF D8 FF E0, then the APP0 segment named "JFIF".
bool IsJfifJpeg(const Bytes& file);

// An MP3 file: an ID3v2 tag, or an MPEG audio layer III frame header at once.
bool IsMp3(const Bytes& file);

// An AVI file: a RIFF container of form "AVI ".
bool IsAvi(const Bytes& file);

enum MediaRole { MEDIA_PICTURE, MEDIA_ANSWER_PICTURE, MEDIA_SOUND, MEDIA_FILM };

// What a media file becomes in the executable, or why it cannot.
struct MediaVerdict {
  bool ok;
  std::string problem;  // French, when not ok: what is wrong and what to do
  Bytes resource;       // when ok, the bytes that go into the executable if they are not the
                        // file's own (a converted picture); empty: the file as it is
};

// The verdict on the bytes of a file; name is the path as the author wrote it, for the messages.
MediaVerdict ExamineMedia(MediaRole role, const Bytes& file, const std::string& name,
                          std::uint32_t backgroundColour);

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
// file is unchanged; a missing or unreadable file is refused, and never kept.
MediaVerdict CheckMediaFile(MediaRole role, const std::filesystem::path& path,
                            const std::string& name, std::uint32_t backgroundColour,
                            MediaCache* cache);
