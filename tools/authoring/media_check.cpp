// Media files by their magic numbers, with the conversions to advise for the usual others.
#include "tools/authoring/media_check.h"

#include <cstring>

#include "tools/authoring/io_error.h"
#include "tools/authoring/problem.h"
#include "tools/picture_import/picture_import.h"

namespace {

namespace fs = std::filesystem;

bool HasAt(const Bytes& file, std::size_t offset, const char* bytes, std::size_t length) {
  return file.size() >= offset + length && std::memcmp(file.data() + offset, bytes, length) == 0;
}

bool HasAt(const Bytes& file, std::size_t offset, const char* text) {
  return HasAt(file, offset, text, std::strlen(text));
}

// Formats that authors have and the player does not read, by their first bytes.
struct OtherFormat {
  std::size_t offset;
  const char* magic;
  std::size_t length;
  const char* name;
};

const OtherFormat OTHER_SOUNDS[] = {
    {8, "WAVE", 4, "un fichier WAV"},
    {0, "OggS", 4, "un fichier OGG"},
    {0, "fLaC", 4, "un fichier FLAC"},
    {4, "ftyp", 4, "un fichier M4A"},
    {0, "\x30\x26\xB2\x75", 4, "un fichier WMA"},
};

const OtherFormat OTHER_FILMS[] = {
    {4, "ftyp", 4, "un film MP4 ou MOV"},
    {0, "\x1A\x45\xDF\xA3", 4, "un film MKV ou WebM"},
    {0, "\x30\x26\xB2\x75", 4, "un film WMV"},
    {0, "\x00\x00\x01\xBA", 4, "un film MPEG"},
    {0, "FLV", 3, "un film FLV"},
};

template <std::size_t N>
const char* NameOf(const OtherFormat (&formats)[N], const Bytes& file) {
  for (const OtherFormat& format : formats) {
    if (HasAt(file, format.offset, format.magic, format.length)) return format.name;
  }
  return nullptr;
}

MediaVerdict Refused(const std::string& problem) { return {false, problem, {}, {}}; }

MediaVerdict Accepted(const std::string& warning = {}) { return {true, {}, {}, warning}; }

MediaVerdict ExamineSound(const Bytes& file, const std::string& name) {
  if (IsMp3(file)) return Accepted();
  const char* format = NameOf(OTHER_SOUNDS, file);
  return Refused(
      Quoted(name) +
      (format ? std::string(" est ") + format : std::string(" n'est pas un fichier MP3")) +
      " ; le joueur ne lit que le MP3 : convertissez-le en MP3, par exemple avec "
      "Audacity (Fichier > Exporter > Exporter en MP3)");
}

MediaVerdict ExamineFilm(const Bytes& file, const std::string& name) {
  if (IsAvi(file)) return Accepted();
  const char* format = NameOf(OTHER_FILMS, file);
  return Refused(Quoted(name) +
                 (format ? std::string(" est ") + format : std::string(" n'est pas un film AVI")) +
                 " ; le joueur ne lit que l'AVI : convertissez-le en AVI, par exemple avec VLC "
                 "(Média > Convertir / Enregistrer)");
}

bool IsPicture(MediaRole role) { return role == MEDIA_PICTURE || role == MEDIA_ANSWER_PICTURE; }

MediaVerdict ExaminePicture(const Bytes& file, const std::string& name,
                            std::uint32_t backgroundColour, MediaUse use) {
  if (use == MEDIA_FOR_CHECK) {
    const PictureInfo info = InspectPicture(file, name);
    return info.ok ? Accepted(info.warning) : Refused(info.problem);
  }
  ImportedPicture picture = ImportPicture(file, name, backgroundColour);
  if (!picture.ok) return Refused(picture.problem);
  return {true, {}, std::move(picture.jpeg), picture.warning};
}

// A kept verdict serves a check always, and an executable unless it was a check's on a picture.
bool Serves(const MediaVerdict& verdict, MediaRole role, MediaUse use) {
  return use == MEDIA_FOR_CHECK || !verdict.ok || !IsPicture(role) || !verdict.resource.empty();
}

std::int64_t ModificationTime(const fs::path& path, std::error_code& error) {
  return static_cast<std::int64_t>(fs::last_write_time(path, error).time_since_epoch().count());
}

// A media file that cannot be read is a problem of the quiz, named as the quiz names it.
bool ReadFile(const fs::path& path, Bytes& bytes) {
  try {
    bytes = ReadWholeFile(path);
    return true;
  } catch (const IoError&) {
    return false;
  }
}

}  // namespace

bool IsMp3(const Bytes& file) {
  if (HasAt(file, 0, "ID3")) return file.size() >= 10 && file[3] != 0xFF && file[4] != 0xFF;
  // Frame sync (eleven set bits), a version other than the reserved one, layer III (01).
  return file.size() >= 4 && file[0] == 0xFF && (file[1] & 0xE0) == 0xE0 &&
         (file[1] & 0x18) != 0x08 && (file[1] & 0x06) == 0x02;
}

bool IsAvi(const Bytes& file) { return HasAt(file, 0, "RIFF") && HasAt(file, 8, "AVI "); }

MediaVerdict ExamineMedia(MediaRole role, const Bytes& file, const std::string& name,
                          std::uint32_t backgroundColour, MediaUse use) {
  if (file.empty()) return Refused("le fichier " + Quoted(name) + " est vide");
  switch (role) {
    case MEDIA_SOUND:
      return ExamineSound(file, name);
    case MEDIA_FILM:
      return ExamineFilm(file, name);
    default:
      return ExaminePicture(file, name, backgroundColour, use);
  }
}

MediaVerdict CheckMediaFile(MediaRole role, const fs::path& path, const std::string& name,
                            std::uint32_t backgroundColour, MediaCache* cache, MediaUse use) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status)) {
    return Refused(Quoted(name) + " est un dossier : indiquez un fichier");
  }
  if (!fs::is_regular_file(status)) {
    fs::path searched = fs::absolute(path, error);
    return Refused("le fichier " + Quoted(name) + " est introuvable (cherché en " +
                   Quoted(searched.make_preferred().u8string()) + ")");
  }
  const MediaCacheKey key{path.u8string(), fs::file_size(path, error),
                          ModificationTime(path, error), role, backgroundColour};
  if (cache && !error) {
    const auto kept = cache->verdicts.find(key);
    if (kept != cache->verdicts.end() && Serves(kept->second, role, use)) return kept->second;
  }
  Bytes bytes;
  if (error || !ReadFile(path, bytes)) {
    return Refused("le fichier " + Quoted(name) + " ne peut pas être lu");
  }
  MediaVerdict verdict = ExamineMedia(role, bytes, name, backgroundColour, use);
  if (cache) cache->verdicts[key] = verdict;
  return verdict;
}
