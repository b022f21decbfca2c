// The player's grading for the quiz's web page: the quiz read from its packed resources, each
// field judged and revealed as the board does it, the score and the code. Texts are code page 1252.
#include <emscripten.h>

#include "board/grading.h"
#include "board/layout.h"
#include "board/score.h"
#include "board/verdict.h"
#include "quiz/quiz_format.h"

namespace {

constexpr int MAX_SLOTS = 2 * MAX_QUESTIONS;

// One quiz at a time, as in the player; made anew by each load.
QuizDefinition* quiz = nullptr;

struct Fields {
  char typed[MAX_SLOTS][TEXT_SIZE];
  const char* typedBySlot[MAX_SLOTS];
  const char* verdicts[MAX_SLOTS];
  bool revealTextShown[MAX_QUESTIONS + 1];
  bool answerPictureShown[MAX_QUESTIONS + 1];
};

Fields fields;

int SlotCount() { return quiz ? quiz->questionCount * quiz->answersPerQuestion : 0; }

bool IsSlot(int slot) { return slot >= 1 && slot <= SlotCount(); }

bool IsQuestion(int n) { return quiz && n >= 1 && n <= quiz->questionCount; }

int Score() { return SolvedQuestionCount(*quiz, fields.verdicts); }

void ResetFields() {
  fields = Fields{};
  for (int k = 0; k < MAX_SLOTS; ++k) {
    fields.typedBySlot[k] = fields.typed[k];
    fields.verdicts[k] = VERDICT_EMPTY;
  }
}

void ApplyReveal(int n, RevealChange change) {
  if (change == REVEAL_HIDE_TEXT) fields.revealTextShown[n] = false;
  if (change != REVEAL_SHOW) return;
  if (RevealsTextOnSolving(quiz->revealMode)) fields.revealTextShown[n] = true;
  if (RevealsAnswerPicture(quiz->revealMode)) fields.answerPictureShown[n] = true;
}

// Every reveal text shows at the full score, whatever was taken away before.
void RevealAllTextsAtFullScore() {
  if (!RevealsAllTexts(*quiz, Score())) return;
  for (int n = 1; n <= quiz->questionCount; ++n) fields.revealTextShown[n] = true;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int brela_load(const unsigned char* quizBytes, int quizLength,
                                    const unsigned char* codes, int codesLength) {
  delete quiz;
  quiz = new QuizDefinition;
  ResetFields();
  if (quizLength <= 0 || !UnpackAndParse(quizBytes, quizLength, *quiz, ParseQuiz)) {
    delete quiz;
    quiz = nullptr;
    return 0;
  }
  // Without codes the player plays on with every code empty, as here.
  if (codesLength > 0) UnpackAndParse(codes, codesLength, *quiz, ParseCodes);
  return 1;
}

EMSCRIPTEN_KEEPALIVE int brela_question_count() { return quiz ? quiz->questionCount : 0; }

EMSCRIPTEN_KEEPALIVE int brela_answers_per_question() {
  return quiz ? quiz->answersPerQuestion : 0;
}

EMSCRIPTEN_KEEPALIVE int brela_kind() { return quiz ? quiz->kind : -1; }

EMSCRIPTEN_KEEPALIVE int brela_reveal_mode() { return quiz ? quiz->revealMode : -1; }

EMSCRIPTEN_KEEPALIVE const char* brela_judge(int slot, const char* typed) {
  if (!IsSlot(slot)) return "";
  CopyText(fields.typed[slot - 1], typed);
  const char* verdict = FieldVerdict(*quiz, slot, fields.typed[slot - 1]);
  fields.verdicts[slot - 1] = verdict;
  const int n = QuestionOfSlot(slot, quiz->answersPerQuestion);
  AnswerTexts answerTexts = &fields.typedBySlot[SlotOf(n, 1, quiz->answersPerQuestion) - 1];
  ApplyReveal(n, RevealOnJudging(*quiz, n, verdict, answerTexts));
  RevealAllTextsAtFullScore();
  return verdict;
}

EMSCRIPTEN_KEEPALIVE const char* brela_verdict(int slot) {
  return IsSlot(slot) ? fields.verdicts[slot - 1] : "";
}

EMSCRIPTEN_KEEPALIVE unsigned brela_verdict_colour(int slot) {
  if (!IsSlot(slot)) return NO_VERDICT_COLOUR;
  const std::uint32_t colour = VerdictColour(fields.verdicts[slot - 1]);
  if (colour == NO_VERDICT_COLOUR) return colour;
  // The board's colours are laid out 0x00BBGGRR.
  return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

EMSCRIPTEN_KEEPALIVE int brela_score() { return quiz ? Score() : 0; }

EMSCRIPTEN_KEEPALIVE const char* brela_code() {
  const char* code = quiz ? ProgressCode(*quiz, Score()) : nullptr;
  return code ? code : "";
}

EMSCRIPTEN_KEEPALIVE int brela_reveal_text_shown(int n) {
  return IsQuestion(n) && fields.revealTextShown[n];
}

EMSCRIPTEN_KEEPALIVE int brela_answer_picture_shown(int n) {
  return IsQuestion(n) && fields.answerPictureShown[n];
}

EMSCRIPTEN_KEEPALIVE int brela_revealed(int n) {
  return brela_reveal_text_shown(n) || brela_answer_picture_shown(n);
}

EMSCRIPTEN_KEEPALIVE int brela_all_texts_revealed() {
  return quiz && RevealsAllTexts(*quiz, Score());
}

}  // extern "C"
