// Media files: the magic numbers that make a file a JFIF JPEG, an MP3 or an AVI, the advice for
// the formats that the player does not read, and the verdicts kept between checks.
#include "tools/authoring/media_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

namespace {

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Sample {
  const char* name;
  Bytes bytes;
  bool jpeg, mp3, avi;
};

TEST(MediaCheckTest, RecognisesEachKindByItsFirstBytes) {
  const Sample samples[] = {
      {"JFIF JPEG", Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12)), true, false,
       false},
      {"Exif JPEG",
       Of(std::string("\xFF\xD8\xFF\xE1\x00\x10"
                      "Exif\x00\x00",
                      12)),
       false, false, false},
      {"JPEG cut after APP0", Of("\xFF\xD8\xFF\xE0"), false, false, false},
      {"APP0 not named JFIF", Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFXX\x00", 11)), false, false,
       false},
      {"PNG", Of("\x89PNG\r\n\x1A\n"), false, false, false},
      {"MP3 with ID3v2 tag", Of(std::string("ID3\x04\x00\x00\x00\x00\x00\x21", 10)), false, true,
       false},
      {"ID3 cut short", Of("ID3\x04"), false, false, false},
      {"MPEG-1 layer III frame", Of("\xFF\xFB\x90\x64"), false, true, false},
      {"MPEG-2 layer III frame", Of("\xFF\xF3\x48\xC4"), false, true, false},
      {"MPEG-2.5 layer III frame", Of("\xFF\xE3\x18\xC4"), false, true, false},
      {"MPEG layer II frame", Of("\xFF\xFD\x90\x64"), false, false, false},
      {"reserved MPEG version", Of("\xFF\xEB\x90\x64"), false, false, false},
      {"AAC (ADTS) frame", Of("\xFF\xF1\x50\x80"), false, false, false},
      {"WAVE", Of(std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16)), false, false, false},
      {"AVI",
       Of(std::string("RIFF\x24\x00\x00\x00"
                      "AVI LIST",
                      16)),
       false, false, true},
      {"AVI cut short", Of("RIFF\x24\x00"), false, false, false},
      {"empty", Bytes(), false, false, false},
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(IsJfifJpeg(s.bytes), s.jpeg) << s.name;
    EXPECT_EQ(IsMp3(s.bytes), s.mp3) << s.name;
    EXPECT_EQ(IsAvi(s.bytes), s.avi) << s.name;
  }
}

}  // namespace

namespace {

namespace fs = std::filesystem;

struct Examination {
  const char* name;
  MediaRole role;
  Bytes bytes;
  std::string problem;  // empty: accepted
};

const std::string TO_MP3 =
    " ; le joueur ne lit que le MP3 : convertissez-le en MP3, par exemple avec Audacity "
    "(Fichier > Exporter > Exporter en MP3)";
const std::string TO_AVI =
    " ; le joueur ne lit que l'AVI : convertissez-le en AVI, par exemple avec VLC (Média > "
    "Convertir / Enregistrer)";
const std::string TO_JPEG =
    " ; le joueur lit les images JPEG au format JFIF : enregistrez-la en JPEG";

TEST(MediaCheckTest, RefusesWhatThePlayerCannotPlayWithTheConversionToMake) {
  const Examination cases[] = {
      {"MP3", MEDIA_SOUND, Of(std::string("ID3\x04\x00\x00\x00\x00\x00\x21", 10)), ""},
      {"WAV", MEDIA_SOUND, Of(std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16)),
       "« s.mp3 » est un fichier WAV" + TO_MP3},
      {"OGG", MEDIA_SOUND, Of("OggS\x00\x02"), "« s.mp3 » est un fichier OGG" + TO_MP3},
      {"FLAC", MEDIA_SOUND, Of("fLaC\x00"), "« s.mp3 » est un fichier FLAC" + TO_MP3},
      {"M4A", MEDIA_SOUND,
       Of(std::string("\x00\x00\x00\x20"
                      "ftypM4A ",
                      12)),
       "« s.mp3 » est un fichier M4A" + TO_MP3},
      {"text as sound", MEDIA_SOUND, Of("bonjour"), "« s.mp3 » n'est pas un fichier MP3" + TO_MP3},
      {"AVI", MEDIA_FILM,
       Of(std::string("RIFF\x24\x00\x00\x00"
                      "AVI LIST",
                      16)),
       ""},
      {"MP4", MEDIA_FILM,
       Of(std::string("\x00\x00\x00\x18"
                      "ftypmp42",
                      12)),
       "« s.mp3 » est un film MP4 ou MOV" + TO_AVI},
      {"WebM", MEDIA_FILM, Of("\x1A\x45\xDF\xA3\x01"),
       "« s.mp3 » est un film MKV ou WebM" + TO_AVI},
      {"MPEG", MEDIA_FILM, Of(std::string("\x00\x00\x01\xBA\x44", 5)),
       "« s.mp3 » est un film MPEG" + TO_AVI},
      {"WAV as film", MEDIA_FILM, Of(std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16)),
       "« s.mp3 » n'est pas un film AVI" + TO_AVI},
      {"JFIF", MEDIA_PICTURE, Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12)), ""},
      {"PNG", MEDIA_ANSWER_PICTURE, Of("\x89PNG\r\n\x1A\n"),
       "« s.mp3 » est une image PNG" + TO_JPEG},
      {"GIF", MEDIA_PICTURE, Of("GIF89a"), "« s.mp3 » est une image GIF" + TO_JPEG},
      {"Exif JPEG", MEDIA_PICTURE, Of("\xFF\xD8\xFF\xE1\x00\x10"),
       "« s.mp3 » est une image JPEG qui n'est pas au format JFIF" + TO_JPEG},
      {"text as picture", MEDIA_PICTURE, Of("bonjour"), "« s.mp3 » n'est pas une image" + TO_JPEG},
      {"empty", MEDIA_FILM, Bytes(), "le fichier « s.mp3 » est vide"},
  };
  for (const Examination& c : cases) {
    const MediaVerdict verdict = ExamineMedia(c.role, c.bytes, "s.mp3", 0xFFFFFF);
    EXPECT_EQ(verdict.ok, c.problem.empty()) << c.name;
    EXPECT_EQ(verdict.problem, c.problem) << c.name;
    EXPECT_TRUE(verdict.resource.empty()) << c.name << ": the file goes in as it is";
  }
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(MediaCheckTest, FilesMissingOrFoldersAreRefused) {
  const fs::path folder = fs::temp_directory_path() / "brelamake-test-media-files";
  fs::remove_all(folder);
  fs::create_directories(folder / "dossier.mp3");
  MediaVerdict verdict =
      CheckMediaFile(MEDIA_SOUND, folder / "absent.mp3", "absent.mp3", 0, nullptr);
  EXPECT_FALSE(verdict.ok);
  EXPECT_EQ(verdict.problem, "le fichier « absent.mp3 » est introuvable (cherché en « " +
                                 (folder / "absent.mp3").u8string() + " »)");
  verdict = CheckMediaFile(MEDIA_SOUND, folder / "dossier.mp3", "dossier.mp3", 0, nullptr);
  EXPECT_EQ(verdict.problem, "« dossier.mp3 » est un dossier : indiquez un fichier");
}

// A file whose size and modification time are unchanged is not read again: to tell, its bytes
// change behind the cache's back with its time put back.
TEST(MediaCheckTest, TheCacheReadsAFileAgainOnlyWhenItChanged) {
  const fs::path folder = fs::temp_directory_path() / "brelamake-test-media-cache";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path path = folder / "son.mp3";
  WriteFile(path, "ID3\x04 plus bytes");
  const auto time = fs::last_write_time(path);
  MediaCache cache;
  EXPECT_TRUE(CheckMediaFile(MEDIA_SOUND, path, "son.mp3", 0, &cache).ok);
  EXPECT_EQ(cache.verdicts.size(), 1u);

  WriteFile(path, "OggS plus bytes");  // the same size
  fs::last_write_time(path, time);
  EXPECT_TRUE(CheckMediaFile(MEDIA_SOUND, path, "son.mp3", 0, &cache).ok) << "from the cache";
  EXPECT_FALSE(CheckMediaFile(MEDIA_SOUND, path, "son.mp3", 0, nullptr).ok) << "read afresh";

  fs::last_write_time(path, time + std::chrono::seconds(2));
  EXPECT_FALSE(CheckMediaFile(MEDIA_SOUND, path, "son.mp3", 0, &cache).ok) << "a newer file";
  EXPECT_FALSE(CheckMediaFile(MEDIA_FILM, path, "son.mp3", 0, &cache).ok) << "another role";
  EXPECT_EQ(cache.verdicts.size(), 3u);
}

}  // namespace
