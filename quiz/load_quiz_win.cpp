// The quiz loader: finds, unpacks and parses the two "PATCH" resources of the executable.
#include "quiz/load_quiz_win.h"

#include "base/message.h"
#include "base/resource_ids.h"
#include "quiz/quiz_format.h"

namespace {

constexpr const char* LOADER_TITLE = "Brela";

struct ResourceBytes {
  bool found;
  const unsigned char* data;
  DWORD size;
};

ResourceBytes FindQuizResource(HMODULE module, int id) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), QUIZ_RESOURCE_TYPE);
  if (!info) return {false, nullptr, 0};
  DWORD size = SizeofResource(module, info);
  HGLOBAL loaded = size ? LoadResource(module, info) : nullptr;
  auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  return {true, data, data ? size : 0};
}

bool UnpackAndParse(const ResourceBytes& resource, QuizDefinition& quiz, ResourceParser parse) {
  return UnpackAndParse(resource.data, resource.size, quiz, parse);
}

void LoadCodes(QuizDefinition& quiz, HMODULE module) {
  ResourceBytes codes = FindQuizResource(module, IDR_CODES);
  if (!codes.found) {
    ShowMessage("Codes non trouvés.", LOADER_TITLE);
    return;
  }
  if (codes.size == 0) {
    ShowMessage("Codes non renseignés.", LOADER_TITLE);
    return;
  }
  if (!UnpackAndParse(codes, quiz, ParseCodes)) {
    ShowMessage("Erreur dans le décryptage des codes", LOADER_TITLE);
  }
}

void LoadQuestionsAndCodes(QuizDefinition& quiz, HMODULE module) {
  ResourceBytes answers = FindQuizResource(module, IDR_QUIZ);
  if (!answers.found) ShowMessage("Erreur dans le fichier", LOADER_TITLE);
  if (answers.size == 0) {
    ShowMessage("Reponses non trouvées", LOADER_TITLE);
    FillBuiltInQuiz(quiz);
    return;
  }
  if (!UnpackAndParse(answers, quiz, ParseQuiz)) {
    ShowMessage("Erreur dans le décryptage des reponses", LOADER_TITLE);
    return;
  }
  LoadCodes(quiz, module);
}

}  // namespace

void LoadQuiz(QuizDefinition& quiz, HMODULE module) {
  LoadQuestionsAndCodes(quiz, module);
  // Made whatever the outcome, so that the built-in quiz and a failed load still paint a board.
  quiz.backgroundBrush = CreateSolidBrush(quiz.backgroundColour);
}
