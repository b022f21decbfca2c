// Class results: answers files read and graded by the player's own reader and grading.
#include "tools/authoring/class_results.h"

#include <algorithm>
#include <cctype>

#include "board/answers_file.h"
#include "board/score.h"
#include "board/verdict.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/normalize.h"
#include "tools/authoring/quiz_resources.h"

namespace fs = std::filesystem;

namespace {

bool IsAnswersFileName(const fs::path& path) {
  std::string extension = path.extension().u8string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".txt";
}

std::vector<fs::path> AnswersFilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && IsAnswersFileName(entry.path())) files.push_back(entry.path());
  }
  return files;
}

// A folder handed back for one pupil: its single answers file, named after the folder.
void AddPupilFolder(const fs::path& folder, std::vector<PupilFile>& pupils,
                    std::vector<LeftOutFile>& leftOut) {
  const std::vector<fs::path> files = AnswersFilesIn(folder);
  if (files.size() == 1) {
    pupils.push_back({folder.filename().u8string(), files.front()});
  } else if (files.empty()) {
    leftOut.push_back({folder, "le dossier ne contient aucun fichier .txt"});
  } else {
    leftOut.push_back({folder, "le dossier contient plusieurs fichiers .txt : laissez-y "
                               "seulement celui de l'élève"});
  }
}

void AddClassFolder(const fs::path& folder, std::vector<PupilFile>& pupils,
                    std::vector<LeftOutFile>& leftOut) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_directory()) {
      AddPupilFolder(entry.path(), pupils, leftOut);
    } else if (entry.is_regular_file() && IsAnswersFileName(entry.path())) {
      pupils.push_back({entry.path().stem().u8string(), entry.path()});
    }
  }
}

// Bytes that no answer field can hold: what an answers file never contains.
bool IsControlByte(unsigned char byte) {
  return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
}

PupilResult GradePupil(const QuizDefinition& quiz, const std::string& name,
                       const std::vector<std::string>& texts) {
  PupilResult pupil;
  pupil.name = name;
  std::vector<const char*> verdicts;
  for (int slot = 1; slot <= static_cast<int>(texts.size()); ++slot) {
    const std::string& text = texts[slot - 1];
    const char* verdict = FieldVerdict(quiz, slot, text.c_str());
    verdicts.push_back(verdict);
    pupil.fields.push_back({Cp1252ToUtf8(text), Cp1252ToUtf8(verdict), VerdictColour(verdict)});
  }
  for (int n = 1; n <= quiz.questionCount; ++n) {
    pupil.solved.push_back(IsQuestionSolved(quiz, verdicts.data(), n));
  }
  pupil.score = SolvedQuestionCount(quiz, verdicts.data());
  const char* code = ProgressCode(quiz, pupil.score);
  pupil.code = code ? Cp1252ToUtf8(code) : "";
  return pupil;
}

// The name with its accents and case taken away: "Émile" and "emile" are alike.
std::string FrenchSortKey(const std::string& utf8) {
  const std::string decomposed = Normalize(utf8, FORM_NFD);
  std::string key;
  for (std::size_t i = 0; i < decomposed.size(); ++i) {
    const auto byte = static_cast<unsigned char>(decomposed[i]);
    const auto next = i + 1 < decomposed.size() ? static_cast<unsigned char>(decomposed[i + 1]) : 0;
    const bool combiningAccent = byte == 0xCC || (byte == 0xCD && next <= 0xAF);  // U+0300..036F
    if (combiningAccent) {
      ++i;
    } else if (byte == 0xC5 && (next == 0x92 || next == 0x93)) {  // Œ œ
      key += "oe";
      ++i;
    } else if (byte == 0xC3 && (next == 0x86 || next == 0xA6)) {  // Æ æ
      key += "ae";
      ++i;
    } else if (byte == 0xC3 && next == 0x9F) {  // ß
      key += "ss";
      ++i;
    } else {
      key += static_cast<char>(std::tolower(byte));
    }
  }
  return key;
}

}  // namespace

ClassFiles ClassFilesOf(const std::vector<fs::path>& paths) {
  ClassFiles files;
  for (const fs::path& path : paths) {
    if (fs::is_directory(path)) {
      AddClassFolder(path, files.pupils, files.leftOut);
    } else {
      files.pupils.push_back({path.stem().u8string(), path});
    }
  }
  return files;
}

bool ReadAnswersFile(const Bytes& bytes, int fieldCount, std::vector<std::string>& texts,
                     std::string& reason) {
  if (bytes.empty()) {
    reason = "le fichier est vide";
    return false;
  }
  if (std::any_of(bytes.begin(), bytes.end(), IsControlByte)) {
    reason = "le fichier contient des caractères de contrôle : ce n'est pas un fichier de "
             "réponses";
    return false;
  }
  texts.clear();
  std::size_t at = 0;
  char text[TEXT_SIZE];
  while (ReadAnswerLine(bytes.data(), bytes.size(), at, text)) texts.emplace_back(text);
  const int lines = static_cast<int>(texts.size());
  if (lines > fieldCount) {
    reason = CountText(lines, "ligne", "lignes") + " pour " +
             CountText(fieldCount, "champ de réponse", "champs de réponse") +
             " : ce n'est pas un fichier de réponses de ce quiz";
    return false;
  }
  texts.resize(fieldCount);  // a missing line is an empty field
  return true;
}

bool PlayerQuizOfFile(const QuizFile& file, QuizDefinition& quiz, std::string& problem) {
  if (file.questions.empty()) {
    problem = "le quiz n'a aucune question";
    return false;
  }
  std::vector<Problem> packing;
  return PlayerQuizOf(PackedQuizResources(file, packing), quiz, problem);
}

bool PlayerQuizAt(const fs::path& path, const ExecutableAccess& access, QuizDefinition& quiz,
                  std::string& problem) {
  if (access.isQuizExecutable && access.isQuizExecutable(path)) {
    return PlayerQuizOf(access.readQuiz(path), quiz, problem);
  }
  std::vector<Problem> problems;
  bool readable = false;
  const QuizFile file = ReadQuizJson(ReadWholeText(path), problems, &readable);
  if (!readable || HasErrors(problems)) {
    problem = "ce n'est ni un quiz brela ni un fichier de quiz lisible ; « brelamake check » "
              "dit pourquoi";
    return false;
  }
  return PlayerQuizOfFile(file, quiz, problem);
}

ClassResults GradeClass(const QuizDefinition& quiz, const ClassFiles& files) {
  ClassResults results;
  results.leftOut = files.leftOut;
  results.quizTitle = Cp1252ToUtf8(quiz.title);
  results.questionCount = quiz.questionCount;
  results.answersPerQuestion = quiz.answersPerQuestion;
  const int fieldCount = quiz.questionCount * quiz.answersPerQuestion;
  for (const PupilFile& pupil : files.pupils) {
    std::vector<std::string> texts;
    std::string reason;
    try {
      if (!ReadAnswersFile(ReadWholeFile(pupil.file), fieldCount, texts, reason)) {
        results.leftOut.push_back({pupil.file, reason});
        continue;
      }
    } catch (const IoError&) {
      results.leftOut.push_back({pupil.file, "le fichier ne peut pas être lu"});
      continue;
    }
    results.pupils.push_back(GradePupil(quiz, pupil.name, texts));
  }
  std::stable_sort(results.pupils.begin(), results.pupils.end(),
                   [](const PupilResult& a, const PupilResult& b) {
                     return ComesBeforeInFrench(a.name, b.name);
                   });
  return results;
}

bool ComesBeforeInFrench(const std::string& a, const std::string& b) {
  const std::string keyA = FrenchSortKey(a);
  const std::string keyB = FrenchSortKey(b);
  return keyA != keyB ? keyA < keyB : a < b;
}
