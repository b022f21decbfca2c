// From a quiz file to the resources the player reads ("PATCH" packed, "IMG" media), and back.
#include "tools/authoring/quiz_resources.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "quiz/quiz_format.h"
#include "quiz/unpack.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace {

namespace fs = std::filesystem;

struct MediaRule {
  bool (*accepts)(const Bytes&);
  const char* expected;
  const char* extension;
};

MediaRule RuleFor(QuizKind kind) {
  switch (kind) {
    case KIND_AUDIO:
      return {IsMp3, "an MP3 file", ".mp3"};
    case KIND_VIDEO:
      return {IsAvi, "an AVI file", ".avi"};
    default:
      return {IsJfifJpeg, "a JFIF JPEG (FF D8 FF E0, then \"JFIF\")", ".jpg"};
  }
}

const MediaRule ANSWER_PICTURE_RULE = RuleFor(KIND_PICTURE);

void FillDefinition(const QuizFile& file, QuizDefinition& quiz) {
  quiz.kind = file.kind;
  CopyText(quiz.title, file.title.c_str());
  CopyText(quiz.author, file.author.c_str());
  CopyText(quiz.explanation, file.explanation.c_str());
  CopyText(quiz.answer1Caption, file.answer1Caption.c_str());
  CopyText(quiz.answer2Caption, file.answer2Caption.c_str());
  quiz.questionCount = static_cast<std::int32_t>(file.questions.size());
  quiz.answersPerQuestion = file.answersPerQuestion;
  quiz.revealMode = file.revealMode;
  quiz.backgroundColour = file.backgroundColour;
  for (std::size_t k = 0; k < file.codes.size() && k < MAX_QUESTIONS; ++k) {
    CopyText(quiz.codes[k], file.codes[k].c_str());
  }
  for (const QuestionFile& question : file.questions) {
    AppendQuestion(quiz, question.answer1.c_str(), question.answer2.c_str(),
                   question.questionText.c_str());
    CopyText(quiz.lastQuestion->revealText, question.revealText.c_str());
  }
}

Resource PackedResource(const std::string& name, int id, const Bytes& unpacked,
                        std::vector<std::string>& problems) {
  Bytes packed = PackData(unpacked.data(), unpacked.size());
  CheckResourceSizes(name, unpacked.size(), packed.size(), problems);
  return {RESOURCE_TYPE_PATCH, id, std::move(packed)};
}

// The bytes of a media file, or a problem naming where the quiz file names it.
bool ReadMediaFile(const fs::path& path, Bytes& bytes, std::string& why) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) {
    why = "no file \"" + path.u8string() + "\"";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    why = "\"" + path.u8string() + "\" cannot be read";
    return false;
  }
  return true;
}

void AddMedia(const std::string& where, const std::string& relative, const MediaRule& rule, int id,
              const fs::path& baseDir, std::vector<Resource>& resources,
              std::vector<std::string>& problems) {
  if (relative.empty()) return;  // already told by the quiz file's checks
  const fs::path path = baseDir / fs::u8path(relative);
  Bytes bytes;
  std::string why;
  if (!ReadMediaFile(path, bytes, why)) {
    problems.push_back(where + ": " + why);
  } else if (!rule.accepts(bytes)) {
    problems.push_back(where + ": \"" + relative + "\" is not " + rule.expected);
  } else {
    resources.push_back({RESOURCE_TYPE_IMG, id, std::move(bytes)});
  }
}

const Resource* FindStored(const std::vector<Resource>& resources, const char* type, int id) {
  for (const Resource& resource : resources) {
    if (resource.type == type && resource.id == id) return &resource;
  }
  return nullptr;
}

using Parser = bool (*)(const unsigned char*, std::size_t, QuizDefinition&);

bool UnpackAndParse(const std::vector<Resource>& resources, int id, Parser parse,
                    QuizDefinition& quiz, std::string& problem) {
  const std::string name = "\"PATCH\" " + std::to_string(id);
  const Resource* resource = FindStored(resources, RESOURCE_TYPE_PATCH, id);
  if (!resource) {
    problem = "the executable holds no quiz: " + name + " is missing";
    return false;
  }
  unsigned char* unpacked = nullptr;
  std::uint32_t reported = 0;
  const int result =
      UnpackData(resource->bytes.data(), resource->bytes.size(), &unpacked, &reported);
  // The reported length counts two bytes more than were written.
  const bool parsed = result == UNPACK_OK && parse(unpacked, reported - 2, quiz);
  std::free(unpacked);
  if (!parsed) problem = name + " does not unpack to a quiz";
  return parsed;
}

std::string MediaName(const char* stem, int n, const char* extension) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%02d%s", stem, n, extension);
  return name;
}

// The media file of resource id, named in the quiz file and kept in media; a warning if missing.
std::string TakeMedia(const std::vector<Resource>& resources, int id, const std::string& name,
                      const std::string& where, std::vector<MediaFile>& media,
                      std::vector<std::string>& warnings) {
  const Resource* resource = FindStored(resources, RESOURCE_TYPE_IMG, id);
  if (!resource) {
    warnings.push_back(where + ": the executable holds no \"IMG\" " + std::to_string(id));
    return {};
  }
  media.push_back({name, resource->bytes});
  return name;
}

void CopyQuestions(const QuizDefinition& quiz, QuizFile& file) {
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const QuestionEntry* entry = QuestionAt(quiz, n);
    file.questions.push_back(
        {entry->answer1, entry->answer2, entry->questionText, entry->revealText, {}, {}});
    file.codes.push_back(quiz.codes[n - 1]);
  }
}

void TakeAllMedia(const std::vector<Resource>& resources, QuizFile& file,
                  std::vector<MediaFile>& media, std::vector<std::string>& warnings) {
  const char* key = MediaKey(file.kind);
  for (int n = 1; key && n <= static_cast<int>(file.questions.size()); ++n) {
    QuestionFile& question = file.questions[n - 1];
    const std::string where = "question " + std::to_string(n);
    question.media =
        TakeMedia(resources, MEDIA_ID_BASE + n, MediaName(key, n, RuleFor(file.kind).extension),
                  where + ", " + key, media, warnings);
    if (ShowsAnswerPictures(file)) {
      question.answerPicture =
          TakeMedia(resources, ANSWER_PICTURE_ID_BASE + n, MediaName("answer", n, ".jpg"),
                    where + ", answerPicture", media, warnings);
    }
  }
}

}  // namespace

void CheckResourceSizes(const std::string& name, std::size_t unpacked, std::size_t packed,
                        std::vector<std::string>& problems) {
  if (unpacked > MAX_UNPACKED_BYTES) {
    problems.push_back(name + ": " + std::to_string(unpacked) + " bytes unpacked, at most " +
                       std::to_string(MAX_UNPACKED_BYTES) + " fit");
  }
  if (packed > MAX_PACKED_BYTES) {
    problems.push_back(name + ": " + std::to_string(packed) + " bytes packed, at most " +
                       std::to_string(MAX_PACKED_BYTES) + " fit: shorten the texts");
  }
}

std::vector<Resource> MakeQuizResources(const QuizFile& file, const fs::path& baseDir,
                                        std::vector<std::string>& problems) {
  QuizDefinition quiz;
  FillDefinition(file, quiz);
  std::vector<Resource> resources;
  resources.push_back(
      PackedResource("the quiz (\"PATCH\" 104)", QUIZ_ID, QuizBytes(quiz), problems));
  resources.push_back(
      PackedResource("the codes (\"PATCH\" 105)", CODES_ID, CodeBytes(quiz), problems));
  const char* key = MediaKey(file.kind);
  for (int n = 1; key && n <= static_cast<int>(file.questions.size()); ++n) {
    const QuestionFile& question = file.questions[n - 1];
    const std::string where = "question " + std::to_string(n);
    AddMedia(where + ", " + key, question.media, RuleFor(file.kind), MEDIA_ID_BASE + n, baseDir,
             resources, problems);
    AddMedia(where + ", answerPicture", question.answerPicture, ANSWER_PICTURE_RULE,
             ANSWER_PICTURE_ID_BASE + n, baseDir, resources, problems);
  }
  return resources;
}

bool QuizFromResources(const std::vector<Resource>& resources, QuizFile& file,
                       std::vector<MediaFile>& media, std::string& problem,
                       std::vector<std::string>& warnings) {
  QuizDefinition quiz;
  if (!UnpackAndParse(resources, QUIZ_ID, ParseQuiz, quiz, problem) ||
      !UnpackAndParse(resources, CODES_ID, ParseCodes, quiz, problem)) {
    return false;
  }
  if (quiz.kind < KIND_TEXT || quiz.kind > KIND_VIDEO || quiz.revealMode < REVEAL_NONE ||
      quiz.revealMode > REVEAL_TEXTS_AT_END || quiz.questionCount == 0) {
    problem = "the quiz has a kind, reveal mode or question count that no quiz file can name";
    return false;
  }
  file = QuizFile{};
  file.kind = static_cast<QuizKind>(quiz.kind);
  file.title = quiz.title;
  file.author = quiz.author;
  file.explanation = quiz.explanation;
  file.answer1Caption = quiz.answer1Caption;
  file.answer2Caption = quiz.answer2Caption;
  file.answersPerQuestion = quiz.answersPerQuestion;
  file.revealMode = static_cast<RevealMode>(quiz.revealMode);
  file.backgroundColour = quiz.backgroundColour;
  CopyQuestions(quiz, file);
  TakeAllMedia(resources, file, media, warnings);
  return true;
}
