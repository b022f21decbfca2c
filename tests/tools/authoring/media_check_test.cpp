// Media files: the magic numbers that make a file an MP3 or an AVI, the advice for the formats
// that the player does not read, pictures checked by their header and converted for the
// executable, and the verdicts kept between checks.
#include "tools/authoring/media_check.h"

#include <gtest/gtest.h>

#include "tests/tools/picture_import/sample_pictures.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

namespace {

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Sample {
  const char* name;
  Bytes bytes;
  bool mp3, avi;
};

TEST(MediaCheckTest, RecognisesEachKindByItsFirstBytes) {
  const Sample samples[] = {
      {"MP3 with ID3v2 tag", Of(std::string("ID3\x04\x00\x00\x00\x00\x00\x21", 10)), true, false},
      {"ID3 cut short", Of("ID3\x04"), false, false},
      {"MPEG-1 layer III frame", Of("\xFF\xFB\x90\x64"), true, false},
      {"MPEG-2 layer III frame", Of("\xFF\xF3\x48\xC4"), true, false},
      {"MPEG-2.5 layer III frame", Of("\xFF\xE3\x18\xC4"), true, false},
      {"MPEG layer II frame", Of("\xFF\xFD\x90\x64"), false, false},
      {"reserved MPEG version", Of("\xFF\xEB\x90\x64"), false, false},
      {"AAC (ADTS) frame", Of("\xFF\xF1\x50\x80"), false, false},
      {"WAVE", Of(std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16)), false, false},
      {"AVI",
       Of(std::string("RIFF\x24\x00\x00\x00"
                      "AVI LIST",
                      16)),
       false, true},
      {"AVI cut short", Of("RIFF\x24\x00"), false, false},
      {"empty", Bytes(), false, false},
  };
  for (const Sample& s : samples) {
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

bool IsJfif(const Bytes& file) {
  const unsigned char head[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
  return file.size() > sizeof head && std::equal(head, head + sizeof head, file.begin());
}

const Rgba RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255}, CLEAR{0, 0, 0, 0};

// A check reads a picture's header only; the executable gets what the import makes of it: a small
// JFIF as it is, anything else converted to a JFIF within the player's box.
TEST(MediaCheckTest, PicturesAreCheckedByTheirHeaderAndConvertedForTheExecutable) {
  const Bytes jfif = JpegOf(Quadrants(40, 30, {RED, GREEN, BLUE, RED}), 40, 30);
  const Bytes png = PngOf(Quadrants(600, 300, {RED, GREEN, BLUE, CLEAR}), 600, 300);
  const MediaVerdict checked = ExamineMedia(MEDIA_PICTURE, png, "carte.png", 0xFFFFFF);
  EXPECT_TRUE(checked.ok);
  EXPECT_TRUE(checked.resource.empty());

  const MediaVerdict kept =
      ExamineMedia(MEDIA_PICTURE, jfif, "chat.jpg", 0xFFFFFF, MEDIA_FOR_EXECUTABLE);
  ASSERT_TRUE(kept.ok);
  EXPECT_EQ(kept.resource, jfif);
  const MediaVerdict converted =
      ExamineMedia(MEDIA_ANSWER_PICTURE, png, "carte.png", 0xFFFFFF, MEDIA_FOR_EXECUTABLE);
  ASSERT_TRUE(converted.ok);
  EXPECT_TRUE(IsJfif(converted.resource));

  for (MediaUse use : {MEDIA_FOR_CHECK, MEDIA_FOR_EXECUTABLE}) {
    const MediaVerdict refused = ExamineMedia(MEDIA_PICTURE, Of("bonjour"), "texte.jpg", 0, use);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.problem,
              "« texte.jpg » n'est pas une image JPEG, PNG, GIF ou BMP : vérifiez que c'est le bon "
              "fichier, ou enregistrez l'image en JPEG ou en PNG depuis un logiciel d'images.");
    const MediaVerdict misnamed = ExamineMedia(MEDIA_PICTURE, png, "carte.jpg", 0, use);
    EXPECT_TRUE(misnamed.ok) << misnamed.problem;
    EXPECT_EQ(misnamed.warning,
              "« carte.jpg » contient une image PNG alors que son nom finit par « .jpg » : elle "
              "est lue comme une image PNG ; pour que son nom dise ce qu'elle est, renommez le "
              "fichier « carte.png » et donnez ce nom dans le quiz.");
    EXPECT_EQ(IsJfif(misnamed.resource), use == MEDIA_FOR_EXECUTABLE);
  }
}

// A check's verdict on a picture serves the next check, but the executable needs the converted
// picture: it is made then, and kept for the next executable.
TEST(MediaCheckTest, TheCacheConvertsAPictureOnlyWhenAnExecutableFirstNeedsIt) {
  const fs::path folder = fs::temp_directory_path() / "brelamake-test-media-pictures";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path path = folder / "carte.png";
  const Bytes png = PngOf(Quadrants(600, 300, {RED, GREEN, BLUE, CLEAR}), 600, 300);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  MediaCache cache;
  EXPECT_TRUE(CheckMediaFile(MEDIA_PICTURE, path, "carte.png", 0, &cache).resource.empty());
  const Bytes made =
      CheckMediaFile(MEDIA_PICTURE, path, "carte.png", 0, &cache, MEDIA_FOR_EXECUTABLE).resource;
  EXPECT_TRUE(IsJfif(made));
  ASSERT_EQ(cache.verdicts.size(), 1u);
  EXPECT_EQ(cache.verdicts.begin()->second.resource, made) << "kept for the next executable";
  EXPECT_TRUE(CheckMediaFile(MEDIA_PICTURE, path, "carte.png", 0, &cache).ok);
}

}  // namespace
