// The checks of a quiz record: its fields by kind and reveal mode, its texts, its media, its size.
#include "tools/authoring/quiz_check.h"

#include <algorithm>
#include <map>

#include "tools/authoring/cp1252.h"
#include "tools/authoring/quiz_resources.h"
#include "tools/authoring/text_rules.h"

namespace {

namespace fs = std::filesystem;

const char* KindPhrase(QuizKind kind) { return KindOf(kind).phrase; }

// A reveal mode by its name in quiz files and by what the editor calls it: « text » (le texte
// révélé).
std::string RevealModeName(RevealMode mode) {
  if (mode < REVEAL_NONE || mode > REVEAL_TEXTS_AT_END) return Quoted("?");
  return Quoted(REVEAL_MODE_NAMES[mode]) + " (" + REVEAL_MODE_PHRASES[mode] + ")";
}

// Wide or long: what the player will cut.
std::string FitMessage(const TextFit& fit, const TextBox& box) {
  const std::string pixels = std::to_string(box.width) + " pixels";
  const std::string shown = Quoted(Cp1252ToUtf8(fit.shown));
  if (!fit.wideWord.empty()) {
    return "le mot " + Quoted(Cp1252ToUtf8(fit.wideWord)) +
           " est plus large que sa place dans le joueur (" + pixels +
           ") : il sera coupé ; raccourcissez-le";
  }
  if (!box.wraps) {
    return "le texte est trop large pour sa place dans le joueur (" + std::to_string(fit.width) +
           " pixels pour " + std::to_string(box.width) + ") : seul " + shown +
           " s'affichera ; raccourcissez-le";
  }
  if (fit.visibleLines == 1) {
    return "le texte est trop long pour sa place dans le joueur, une ligne de " + pixels +
           " : seul " + shown + " s'affichera ; raccourcissez-le";
  }
  return "le texte est trop long pour sa place dans le joueur (" +
         CountText(fit.lines, "ligne", "lignes") + " de " + pixels + ", la place en montre " +
         std::to_string(fit.visibleLines) + ") : seul " + shown + " s'affichera ; raccourcissez-le";
}

struct TextChecker {
  const QuizFile& quiz;
  const TextMeasurer& measure;
  std::vector<Problem>& problems;

  void Error(const FieldRef& place, const std::string& message) {
    problems.push_back(ErrorAt(place, message));
  }

  void Warning(const FieldRef& place, const std::string& message) {
    problems.push_back(WarningAt(place, message));
  }

  // A text that goes into the executable; false when it has no code page 1252 form.
  bool Stored(const std::string& utf8, const FieldRef& place, std::string& cp1252,
              bool isCode = false) {
    return CheckPlayerText(utf8, place, isCode, cp1252, problems);
  }

  // A text that the player shows: stored, and measured in its control.
  bool Shown(const std::string& utf8, const FieldRef& place, std::string& cp1252,
             bool isCode = false) {
    if (!Stored(utf8, place, cp1252, isCode)) return false;
    TextBox box;
    if (measure && !cp1252.empty() && BoxOfField(place.field, box)) {
      const TextFit fit = FitText(cp1252, box, measure);
      if (!fit.fits) Warning(place, FitMessage(fit, box));
    }
    return true;
  }

  void Unused(const std::string& value, const FieldRef& place, const std::string& why) {
    if (!value.empty()) Error(place, why);
  }
};

void CheckSettings(TextChecker& c) {
  const QuizFile& quiz = c.quiz;
  if (quiz.kind < KIND_TEXT || quiz.kind > KIND_VIDEO) {
    c.Error({0, KeyOf(FIELD_KIND), 0},
            "type de quiz inconnu : choisissez " + Quoted(KINDS[KIND_TEXT].name) + ", " +
                Quoted(KINDS[KIND_PICTURE].name) + ", " + Quoted(KINDS[KIND_AUDIO].name) +
                " ou " + Quoted(KINDS[KIND_VIDEO].name));
  }
  if (quiz.answersPerQuestion != 1 && quiz.answersPerQuestion != 2) {
    c.Error({0, KeyOf(FIELD_ANSWERS_PER_QUESTION), 0}, "doit valoir 1 ou 2");
  }
  if (quiz.revealMode < REVEAL_NONE || quiz.revealMode > REVEAL_TEXTS_AT_END) {
    c.Error({0, KeyOf(FIELD_REVEAL_MODE), 0},
            "révélation inconnue : choisissez " + Quoted(REVEAL_MODE_NAMES[0]) + ", " +
                Quoted(REVEAL_MODE_NAMES[1]) + ", " + Quoted(REVEAL_MODE_NAMES[2]) + ", " +
                Quoted(REVEAL_MODE_NAMES[3]) + " ou " + Quoted(REVEAL_MODE_NAMES[4]));
  } else if (quiz.revealMode != REVEAL_NONE && !FieldUsed(FIELD_REVEAL_MODE, quiz)) {
    c.Error({0, KeyOf(FIELD_REVEAL_MODE), 0},
            std::string(KindPhrase(quiz.kind)) +
                " ne révèle rien : seul un quiz d'images montre un texte ou une image une fois "
                "la question résolue ; choisissez " +
                RevealModeName(REVEAL_NONE));
  }
  const std::size_t count = quiz.questions.size();
  const FieldRef questions{0, KeyOf(FIELD_QUESTIONS), 0};
  if (count == 0) c.Error(questions, "le quiz n'a aucune question : ajoutez-en");
  if (count > static_cast<std::size_t>(MAX_QUESTIONS)) {
    c.Error(questions, "le quiz a " + std::to_string(count) + " questions ; le joueur en montre " +
                           std::to_string(MAX_QUESTIONS) +
                           " au plus : partagez-le en plusieurs quiz");
  }
}

void CheckHeaderTexts(TextChecker& c) {
  const QuizFile& quiz = c.quiz;
  std::string cp1252;
  const FieldRef title{0, KeyOf(FIELD_TITLE), 0};
  if (c.Shown(quiz.title, title, cp1252) && cp1252.empty()) {
    c.Error(title, "le titre est vide : donnez un titre au quiz");
  }
  for (QuizField field : {FIELD_AUTHOR, FIELD_EXPLANATION}) {
    c.Shown(*FieldValueOf(quiz, field), {0, KeyOf(field), 0}, cp1252);
  }
  for (QuizField field : {FIELD_ANSWER1_CAPTION, FIELD_ANSWER2_CAPTION}) {
    const FieldRef place{0, KeyOf(field), 0};
    const std::string& caption = *FieldValueOf(quiz, field);
    if (FieldUsed(field, quiz)) {
      c.Shown(caption, place, cp1252);
    } else if (c.Stored(caption, place, cp1252) && !cp1252.empty()) {
      c.Warning(place,
                "la légende ne s'affiche qu'avec deux réponses par question : le joueur ne la "
                "montrera pas ; supprimez-la, ou passez à deux réponses par question");
    }
  }
}

// Says what a progress code is: a teacher may never have met one.
std::string MissingCodesMessage(int codes, int questions) {
  const std::string forQuestions = " pour " + CountText(questions, "question", "questions") + " : ";
  if (codes == 0) {
    return "aucun code de progression" + forQuestions +
           "le joueur ne montrera aucun code ; écrivez-en un par ligne, celui de la ligne n "
           "s'affiche quand n questions sont réussies";
  }
  const int missing = questions - codes;
  const std::string when =
      missing == 1
          ? "une fois les " + std::to_string(questions) + " questions réussies"
          : "à partir de " + CountText(codes + 1, "question réussie", "questions réussies");
  return CountText(codes, "code", "codes") + " de progression" + forQuestions +
         "le code de la ligne n s'affiche quand n questions sont réussies, mais aucun " + when +
         " ; ajoutez-en " + std::to_string(missing) + ", un par ligne";
}

std::string ExtraCodesMessage(int codes, int questions) {
  const std::string counts = "il y a " + CountText(codes, "code", "codes") + " pour " +
                             CountText(questions, "question", "questions") + " : ";
  if (codes - questions == 1) {
    return counts + "le code " + std::to_string(codes) + " ne s'afficherait jamais ; supprimez-le";
  }
  return counts + "les codes " + std::to_string(questions + 1) + " à " + std::to_string(codes) +
         " ne s'afficheraient jamais ; supprimez-les";
}

void CheckCodes(TextChecker& c) {
  const int codes = static_cast<int>(c.quiz.codes.size());
  const int questions = static_cast<int>(c.quiz.questions.size());
  std::string cp1252;
  for (int k = 1; k <= codes; ++k) {
    c.Shown(c.quiz.codes[k - 1], {0, KeyOf(FIELD_CODES), k}, cp1252, true);
  }
  const FieldRef all{0, KeyOf(FIELD_CODES), 0};
  if (codes < questions) c.Warning(all, MissingCodesMessage(codes, questions));
  if (codes > questions && questions > 0) {
    c.Error(all, ExtraCodesMessage(codes, questions));
  }
}

std::string RevealTextUnusedWhy(const QuizFile& quiz) {
  if (!KindUses(FIELD_REVEAL_TEXT, quiz.kind)) {
    return std::string(KindPhrase(quiz.kind)) + " ne révèle pas de texte : supprimez ce texte";
  }
  return "la révélation " + RevealModeName(quiz.revealMode) +
         " ne montre pas de texte : supprimez ce texte, ou choisissez la révélation " +
         RevealModeName(REVEAL_TEXT) + ", " + RevealModeName(REVEAL_TEXT_AND_PICTURE) + " ou " +
         RevealModeName(REVEAL_TEXTS_AT_END);
}

std::string AnswerPictureUnusedWhy(const QuizFile& quiz) {
  if (!KindUses(FIELD_ANSWER_PICTURE, quiz.kind)) {
    return std::string(KindPhrase(quiz.kind)) +
           " ne montre pas d'image réponse : supprimez ce champ";
  }
  return "la révélation " + RevealModeName(quiz.revealMode) +
         " ne montre pas d'image réponse : supprimez ce champ, ou choisissez la révélation " +
         RevealModeName(REVEAL_PICTURE) + " ou " + RevealModeName(REVEAL_TEXT_AND_PICTURE);
}

void CheckMediaFields(TextChecker& c, int n, const QuestionFile& question) {
  const QuizFile& quiz = c.quiz;
  for (QuizKind kind : {KIND_PICTURE, KIND_AUDIO, KIND_VIDEO}) {
    const QuizField field = KINDS[kind].media;
    const FieldRef place{n, KeyOf(field), 0};
    const std::string& path = *FieldValueOf(question, field);
    if (!FieldUsed(field, quiz)) {
      c.Unused(path, place,
               std::string(KindPhrase(quiz.kind)) + " n'a pas " + KINDS[kind].partitive +
                   " : supprimez ce champ");
    } else if (path.empty()) {
      c.Error(place, std::string("il manque ") + KINDS[kind].definite +
                         " de la question : indiquez le chemin de son fichier");
    }
  }
  const FieldRef answerPicture{n, KeyOf(FIELD_ANSWER_PICTURE), 0};
  if (!FieldUsed(FIELD_ANSWER_PICTURE, quiz)) {
    c.Unused(question.answerPicture, answerPicture, AnswerPictureUnusedWhy(quiz));
  } else if (question.answerPicture.empty()) {
    c.Error(answerPicture, "il manque l'image réponse, que la révélation " +
                               RevealModeName(quiz.revealMode) +
                               " montre une fois la question résolue : indiquez le chemin de "
                               "son fichier");
  }
}

void CheckAnswer(TextChecker& c, const std::string& answer, const FieldRef& place) {
  std::string cp1252;
  if (c.Stored(answer, place, cp1252)) CheckExpectedAnswer(cp1252, place, c.problems);
}

void CheckQuestion(TextChecker& c, int n) {
  const QuizFile& quiz = c.quiz;
  const QuestionFile& question = quiz.questions[n - 1];
  CheckAnswer(c, question.answer1, {n, KeyOf(FIELD_ANSWER1), 0});
  const FieldRef answer2{n, KeyOf(FIELD_ANSWER2), 0};
  if (FieldUsed(FIELD_ANSWER2, quiz)) {
    CheckAnswer(c, question.answer2, answer2);
  } else {
    c.Unused(question.answer2, answer2,
             "le quiz n'a qu'une réponse par question : supprimez cette réponse, ou passez à deux "
             "réponses par question");
  }
  std::string cp1252;
  const FieldRef wording{n, KeyOf(FIELD_QUESTION_TEXT), 0};
  if (!FieldUsed(FIELD_QUESTION_TEXT, quiz)) {
    c.Unused(question.questionText, wording,
             std::string(KindPhrase(quiz.kind)) + " n'affiche pas d'énoncé : supprimez ce texte");
  } else if (c.Shown(question.questionText, wording, cp1252) && cp1252.empty()) {
    c.Error(wording, "l'énoncé est vide : écrivez la question");
  }
  const FieldRef revealText{n, KeyOf(FIELD_REVEAL_TEXT), 0};
  if (FieldUsed(FIELD_REVEAL_TEXT, quiz)) {
    c.Shown(question.revealText, revealText, cp1252);
  } else {
    c.Unused(question.revealText, revealText, RevealTextUnusedWhy(quiz));
  }
  CheckMediaFields(c, n, question);
}

void WarnRepeatedWordings(TextChecker& c) {
  if (!FieldUsed(FIELD_QUESTION_TEXT, c.quiz)) return;
  std::map<std::string, int> firstWith;
  for (int n = 1; n <= static_cast<int>(c.quiz.questions.size()); ++n) {
    const std::string& wording = c.quiz.questions[n - 1].questionText;
    if (wording.empty()) continue;
    const auto first = firstWith.emplace(wording, n).first;
    if (first->second != n) {
      c.Warning({n, KeyOf(FIELD_QUESTION_TEXT), 0}, "même énoncé que la question " +
                                            std::to_string(first->second) +
                                            " : un élève ne saura pas laquelle est laquelle ; "
                                            "précisez l'un des deux énoncés");
    }
  }
}

// A place that a problem of the file already names: the same field, or a whole question.
bool AlreadyNamed(const std::vector<Problem>& named, const Problem& problem) {
  return std::any_of(named.begin(), named.end(), [&](const Problem& other) {
    const bool sameField = other.field == problem.field && other.index == problem.index;
    const bool wholeQuestion = other.question > 0 && other.field.empty();
    return other.question == problem.question && (sameField || wholeQuestion);
  });
}

}  // namespace

std::vector<Problem> CheckQuizTexts(const QuizFile& quiz, const TextMeasurer& measure) {
  std::vector<Problem> problems;
  TextChecker checker{quiz, measure, problems};
  CheckSettings(checker);
  CheckHeaderTexts(checker);
  CheckCodes(checker);
  for (int n = 1; n <= static_cast<int>(quiz.questions.size()); ++n) CheckQuestion(checker, n);
  WarnRepeatedWordings(checker);
  SortProblems(problems);
  return problems;
}

std::vector<Problem> CheckQuizMedia(const QuizFile& quiz, const fs::path& mediaFolder,
                                    MediaCache* cache) {
  std::vector<Problem> problems;
  for (const MediaSlot& slot : MediaSlots(quiz)) {
    if (slot.path.empty()) continue;  // told by the checks of the fields
    const MediaVerdict verdict =
        CheckMediaFile(slot.role, ResolvedMediaPath(mediaFolder, slot.path), slot.path,
                       quiz.backgroundColour, cache);
    const FieldRef place{slot.question, slot.field, 0};
    if (!verdict.ok) problems.push_back(ErrorAt(place, verdict.problem));
    if (!verdict.warning.empty()) problems.push_back(WarningAt(place, verdict.warning));
  }
  return problems;
}

std::vector<Problem> CheckQuizSize(const QuizFile& quiz) {
  std::vector<Problem> problems;
  PackedQuizResources(quiz, problems);
  return problems;
}

std::vector<Problem> CheckQuiz(const QuizFile& quiz, const CheckContext& context) {
  std::vector<Problem> problems = CheckQuizTexts(quiz, context.measure);
  for (const std::vector<Problem>& more :
       {CheckQuizMedia(quiz, context.mediaFolder, context.mediaCache), CheckQuizSize(quiz)}) {
    problems.insert(problems.end(), more.begin(), more.end());
  }
  SortProblems(problems);
  return problems;
}

void SortProblems(std::vector<Problem>& problems) {
  std::stable_sort(problems.begin(), problems.end(),
                   [](const Problem& a, const Problem& b) { return a.question < b.question; });
}

std::vector<Problem> ReadAndCheckQuiz(const std::string& text, const CheckContext& context,
                                      QuizFile& quiz) {
  std::vector<Problem> problems;
  bool readable = false;
  quiz = ReadQuizJson(text, problems, &readable);
  if (!readable) return problems;
  const std::vector<Problem> named = problems;
  for (const Problem& problem : CheckQuiz(quiz, context)) {
    if (!AlreadyNamed(named, problem)) problems.push_back(problem);
  }
  SortProblems(problems);
  return problems;
}
