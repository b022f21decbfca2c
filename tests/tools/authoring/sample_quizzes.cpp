// Sample quiz files and media for brelamake's tests.
#include "tests/tools/authoring/sample_quizzes.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include "tests/tools/picture_import/sample_pictures.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

const char* MediaKeyOf(const std::string& kind) {
  if (kind == "picture") return "picture";
  if (kind == "audio") return "sound";
  if (kind == "video") return "film";
  return nullptr;
}

const char* ExtensionOf(const std::string& key) {
  if (key == "sound") return ".mp3";
  if (key == "film") return ".avi";
  return ".jpg";
}

Bytes MagicOf(const std::string& extension) {
  if (extension == ".mp3") return {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0};
  return {'R', 'I', 'F', 'F', 0, 1, 0, 0, 'A', 'V', 'I', ' '};
}

// A small JFIF JPEG whose four quadrants take colours from the name, so that no two are alike.
Bytes PictureNamed(const std::string& name) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  auto channel = [&hash](int shift) { return static_cast<unsigned char>(hash >> shift); };
  const Rgba colours[4] = {{channel(0), channel(8), channel(16), 255},
                           {channel(24), channel(0), channel(8), 255},
                           {channel(16), channel(24), channel(0), 255},
                           {channel(8), channel(16), channel(24), 255}};
  return JpegOf(Quadrants(16, 12, colours), 16, 12);
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

Json SampleQuizJson(const std::string& kind, const std::string& revealMode, int answersPerQuestion,
                    int questions) {
  Json quiz = {{"kind", kind},
               {"title", "Quiz « " + kind + " » à l'œil"},
               {"author", "Zoé Müller"},
               {"explanation", "Trouvez les réponses — vite !"},
               {"answersPerQuestion", answersPerQuestion},
               {"revealMode", revealMode},
               {"backgroundColour", "#12A4F0"},
               {"codes", Json::array()},
               {"questions", Json::array()}};
  if (answersPerQuestion == 2) {
    quiz["answer1Caption"] = "Prénom";
    quiz["answer2Caption"] = "Année";
  }
  const bool revealTexts =
      kind == "picture" &&
      (revealMode == "text" || revealMode == "textAndPicture" || revealMode == "textsAtEnd");
  const bool answerPictures =
      kind == "picture" && (revealMode == "picture" || revealMode == "textAndPicture");
  for (int n = 1; n <= questions; ++n) {
    const std::string number = std::to_string(n);
    Json question = {{"answer1", "Réponse " + number}};
    if (answersPerQuestion == 2) question["answer2"] = "Deuxième " + number;
    if (kind == "text") question["questionText"] = "Qu'est-ce que le n° " + number + " ?";
    if (revealTexts) question["revealText"] = "C'était « " + number + " » €";
    if (const char* key = MediaKeyOf(kind)) {
      question[key] = std::string("media/") + key + number + ExtensionOf(key);
    }
    if (answerPictures) question["answerPicture"] = "media/réponse" + number + ".jpg";
    quiz["questions"].push_back(question);
    quiz["codes"].push_back("CODE|" + number + " ½");
  }
  return quiz;
}

Bytes SampleMediaBytes(const std::string& name) {
  const std::string extension = fs::path(name).extension().string();
  if (extension != ".mp3" && extension != ".avi") return PictureNamed(name);
  Bytes bytes = MagicOf(extension);
  for (int value = 0; value < 256; ++value) bytes.push_back(static_cast<unsigned char>(value));
  bytes.insert(bytes.end(), name.begin(), name.end());
  return bytes;
}

fs::path WriteSampleQuiz(const Json& quiz, const fs::path& directory) {
  fs::create_directories(directory);
  for (const Json& question : quiz["questions"]) {
    for (const char* key : {"picture", "sound", "film", "answerPicture"}) {
      if (!question.contains(key)) continue;
      const fs::path path = directory / fs::u8path(question[key].get<std::string>());
      fs::create_directories(path.parent_path());
      WriteBytes(path, SampleMediaBytes(question[key].get<std::string>()));
    }
  }
  const fs::path path = directory / "quiz.json";
  std::ofstream(path, std::ios::binary) << quiz.dump(2);
  return path;
}

fs::path FreshDirectory(const std::string& name) {
  const fs::path directory = fs::temp_directory_path() / ("brelamake-test-" + name);
  fs::remove_all(directory);
  fs::create_directories(directory);
  return directory;
}

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
