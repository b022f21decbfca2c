// From a quiz record to the resources that the player reads ("PATCH" packed), and back.
#include "tools/authoring/quiz_resources.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "quiz/quiz_format.h"
#include "quiz/unpack.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/text_rules.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace {

void CopyPlayerText(char (&target)[TEXT_SIZE], const std::string& utf8) {
  CopyText(target, PlayerText(utf8).c_str());
}

void FillDefinition(const QuizFile& file, QuizDefinition& quiz) {
  quiz.kind = file.kind;
  CopyPlayerText(quiz.title, file.title);
  CopyPlayerText(quiz.author, file.author);
  CopyPlayerText(quiz.explanation, file.explanation);
  CopyPlayerText(quiz.answer1Caption, file.answer1Caption);
  CopyPlayerText(quiz.answer2Caption, file.answer2Caption);
  quiz.questionCount =
      static_cast<std::int32_t>(std::min<std::size_t>(file.questions.size(), MAX_QUESTIONS));
  quiz.answersPerQuestion = file.answersPerQuestion;
  quiz.revealMode = file.revealMode;
  quiz.backgroundColour = file.backgroundColour;
  for (std::size_t k = 0; k < file.codes.size() && k < MAX_QUESTIONS; ++k) {
    CopyPlayerText(quiz.codes[k], file.codes[k]);
  }
  for (int n = 0; n < quiz.questionCount; ++n) {
    const QuestionFile& question = file.questions[n];
    AppendQuestion(quiz, PlayerText(question.answer1).c_str(), PlayerText(question.answer2).c_str(),
                   PlayerText(question.questionText).c_str());
    CopyPlayerText(quiz.lastQuestion->revealText, question.revealText);
  }
}

Resource PackedResource(const std::string& name, int id, const Bytes& unpacked,
                        std::vector<Problem>& problems) {
  Bytes packed = PackData(unpacked.data(), unpacked.size());
  CheckResourceSizes(name, unpacked.size(), packed.size(), problems);
  return {QUIZ_RESOURCE_TYPE, id, std::move(packed)};
}

using Parser = bool (*)(const unsigned char*, std::size_t, QuizDefinition&);

bool UnpackAndParse(const std::vector<Resource>& resources, int id, Parser parse,
                    QuizDefinition& quiz, std::string& problem) {
  const std::string name = "« PATCH » " + std::to_string(id);
  const Resource* resource = FindStored(resources, QUIZ_RESOURCE_TYPE, id);
  if (!resource) {
    problem = "l'exécutable ne contient pas de quiz : il lui manque la ressource " + name;
    return false;
  }
  unsigned char* unpacked = nullptr;
  std::uint32_t reported = 0;
  const int result =
      UnpackData(resource->bytes.data(), resource->bytes.size(), &unpacked, &reported);
  // The reported length counts two bytes more than were written.
  const bool parsed = result == UNPACK_OK && parse(unpacked, reported - 2, quiz);
  std::free(unpacked);
  if (!parsed) problem = "la ressource " + name + " de l'exécutable n'est pas un quiz lisible";
  return parsed;
}

std::string MediaName(const char* stem, int n, const char* extension) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%02d%s", stem, n, extension);
  return name;
}

// The media file of resource id, kept in media under name; a warning when it is missing.
std::string TakeMedia(const std::vector<Resource>& resources, int id, const std::string& name,
                      const FieldRef& place, std::vector<MediaFile>& media,
                      std::vector<Problem>& warnings) {
  const Resource* resource = FindStored(resources, MEDIA_RESOURCE_TYPE, id);
  if (!resource) {
    warnings.push_back(WarningAt(place, "l'exécutable ne contient pas ce fichier (ressource "
                                        "« IMG » " +
                                            std::to_string(id) +
                                            ") : le champ reste vide, et le quiz ne peut pas être "
                                            "créé sans lui ; choisissez de nouveau le fichier"));
    return {};
  }
  media.push_back({name, resource->bytes});
  return name;
}

void CopyQuestions(const QuizDefinition& quiz, QuizFile& file) {
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const QuestionEntry* entry = QuestionAt(quiz, n);
    QuestionFile question;
    question.answer1 = Cp1252ToUtf8(entry->answer1);
    question.answer2 = Cp1252ToUtf8(entry->answer2);
    question.questionText = Cp1252ToUtf8(entry->questionText);
    question.revealText = Cp1252ToUtf8(entry->revealText);
    file.questions.push_back(question);
    file.codes.push_back(Cp1252ToUtf8(quiz.codes[n - 1]));
  }
}

void TakeAllMedia(const std::vector<Resource>& resources, QuizFile& file,
                  std::vector<MediaFile>& media, std::vector<Problem>& warnings) {
  const char* key = MediaKey(file.kind);
  const KindFacts& kind = KindOf(file.kind);
  for (int n = 1; key && n <= static_cast<int>(file.questions.size()); ++n) {
    QuestionFile& question = file.questions[n - 1];
    MediaPath(question, file.kind) =
        TakeMedia(resources, IDR_MEDIA_BASE + n, MediaName(kind.fileStem, n, kind.fileExtension),
                  {n, key, 0}, media, warnings);
    if (ShowsAnswerPictures(file)) {
      question.answerPicture =
          TakeMedia(resources, IDR_ANSWER_PICTURE_BASE + n, MediaName("answer", n, ".jpg"),
                    {n, KeyOf(FIELD_ANSWER_PICTURE), 0}, media, warnings);
    }
  }
}

}  // namespace

const Resource* FindStored(const std::vector<Resource>& resources, const char* type, int id) {
  for (const Resource& resource : resources) {
    if (resource.type == type && resource.id == id) return &resource;
  }
  return nullptr;
}

void CheckResourceSizes(const std::string& name, std::size_t unpacked, std::size_t packed,
                        std::vector<Problem>& problems) {
  if (unpacked > static_cast<std::size_t>(UNPACK_OUTPUT_SIZE)) {
    problems.push_back(ErrorAt({0, "", 0}, name + " fait " + std::to_string(unpacked) +
                                               " octets ; le joueur en lit " +
                                               std::to_string(UNPACK_OUTPUT_SIZE) +
                                               " au plus : raccourcissez les textes"));
  }
  if (packed > MAX_PACKED_LENGTH) {
    problems.push_back(ErrorAt({0, "", 0}, name + " fait " + std::to_string(packed) +
                                               " octets une fois compressé ; le joueur en lit " +
                                               std::to_string(MAX_PACKED_LENGTH) +
                                               " au plus : raccourcissez les textes"));
  }
}

std::vector<Resource> PackedQuizResources(const QuizFile& file, std::vector<Problem>& problems) {
  QuizDefinition quiz;
  FillDefinition(file, quiz);
  return {PackedResource("le quiz", IDR_QUIZ, QuizBytes(quiz), problems),
          PackedResource("la liste des codes", IDR_CODES, CodeBytes(quiz), problems)};
}

std::vector<MediaSlot> MediaSlots(const QuizFile& quiz) {
  std::vector<MediaSlot> slots;
  const char* key = MediaKey(quiz.kind);
  const MediaRole role = KindOf(quiz.kind).role;
  for (int n = 1; key && n <= static_cast<int>(quiz.questions.size()); ++n) {
    const QuestionFile& question = quiz.questions[n - 1];
    slots.push_back({n, key, role, MediaPath(question, quiz.kind), IDR_MEDIA_BASE + n});
    if (ShowsAnswerPictures(quiz)) {
      slots.push_back({n, KeyOf(FIELD_ANSWER_PICTURE), MEDIA_ANSWER_PICTURE, question.answerPicture,
                       IDR_ANSWER_PICTURE_BASE + n});
    }
  }
  return slots;
}

std::filesystem::path ResolvedMediaPath(const std::filesystem::path& folder,
                                        const std::string& path) {
  return folder / std::filesystem::u8path(path);
}

std::vector<std::filesystem::path> MediaPaths(const QuizFile& quiz,
                                              const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> paths;
  for (const MediaSlot& slot : MediaSlots(quiz)) {
    if (!slot.path.empty()) paths.push_back(ResolvedMediaPath(folder, slot.path));
  }
  return paths;
}

bool PlayerQuizOf(const std::vector<Resource>& resources, QuizDefinition& quiz,
                  std::string& problem) {
  if (!UnpackAndParse(resources, IDR_QUIZ, ParseQuiz, quiz, problem) ||
      !UnpackAndParse(resources, IDR_CODES, ParseCodes, quiz, problem)) {
    return false;
  }
  // The parser has refused a kind it cannot show; a reveal mode and a count can still be any.
  if (quiz.revealMode < REVEAL_NONE || quiz.revealMode > REVEAL_TEXTS_AT_END ||
      quiz.questionCount == 0) {
    problem =
        "le quiz de l'exécutable a une révélation ou un nombre de questions qu'aucun fichier de "
        "quiz ne peut décrire";
    return false;
  }
  return true;
}

bool QuizFromResources(const std::vector<Resource>& resources, QuizFile& file,
                       std::vector<MediaFile>& media, std::string& problem,
                       std::vector<Problem>& warnings) {
  QuizDefinition quiz;
  if (!PlayerQuizOf(resources, quiz, problem)) return false;
  file = QuizFile{};
  file.kind = static_cast<QuizKind>(quiz.kind);
  file.title = Cp1252ToUtf8(quiz.title);
  file.author = Cp1252ToUtf8(quiz.author);
  file.explanation = Cp1252ToUtf8(quiz.explanation);
  file.answer1Caption = Cp1252ToUtf8(quiz.answer1Caption);
  file.answer2Caption = Cp1252ToUtf8(quiz.answer2Caption);
  file.answersPerQuestion = quiz.answersPerQuestion;
  file.revealMode = static_cast<RevealMode>(quiz.revealMode);
  file.backgroundColour = quiz.backgroundColour;
  CopyQuestions(quiz, file);
  TakeAllMedia(resources, file, media, warnings);
  return true;
}
