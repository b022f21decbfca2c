// Timing of "brelamake resultats": a class of 35 pupils on a quiz of 90 questions of two answers,
// read, graded and written as a CSV and a printable page (the goal: 200 ms at most).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tools/authoring/quiz_file.h"
#include "tools/brelamake/brelamake.h"

namespace {

namespace fs = std::filesystem;

constexpr int PUPILS = 35;
constexpr int QUESTIONS = 90;

std::string Answer(int n, int j) {
  return "reponse " + std::to_string(n) + (j == 1 ? " ville" : " pays de l'ouest");
}

// Right, nearly right, anagrams, too long, wrong and empty answers, and some long unrelated texts,
// the worst case of the grading.
std::string Typed(std::mt19937& random, int n, int j) {
  std::string answer = Answer(n, j);
  switch (random() % 8) {
    case 0: return "*";
    case 1: answer[2] = 'x'; return answer;
    case 2: std::swap(answer[0], answer[3]); return answer;
    case 3: return answer + " et encore des mots";
    case 4: return "autre chose";
    case 5: return std::string(200 + random() % 59, static_cast<char>('a' + random() % 26));
    default: return answer;
  }
}

fs::path WriteClass() {
  const fs::path folder = fs::temp_directory_path() / "brela-class-results-bench";
  fs::remove_all(folder);
  fs::create_directories(folder / "classe");
  QuizFile quiz;
  quiz.title = "Quatre-vingt-dix questions";
  quiz.answersPerQuestion = 2;
  for (int n = 1; n <= QUESTIONS; ++n) {
    quiz.questions.push_back({Answer(n, 1), Answer(n, 2), "Question " + std::to_string(n), "", "",
                              "", "", ""});
    quiz.codes.push_back("code " + std::to_string(n));
  }
  std::ofstream(folder / "quiz.json", std::ios::binary) << WriteQuizJson(quiz);
  std::mt19937 random(21);
  for (int p = 1; p <= PUPILS; ++p) {
    std::ofstream answers(folder / "classe" / ("Élève " + std::to_string(p) + ".txt"),
                          std::ios::binary);
    for (int n = 1; n <= QUESTIONS; ++n) {
      for (int j = 1; j <= 2; ++j) answers << Typed(random, n, j) << "\r\n";
    }
  }
  return folder;
}

void ResultsOfAClassOf35On90TwoAnswerQuestions(benchmark::State& state) {
  const fs::path folder = WriteClass();
  const std::vector<std::string> arguments = {
      "resultats",         (folder / "quiz.json").u8string(), (folder / "classe").u8string(),
      "-o",                (folder / "classe.csv").u8string(), "--html",
      (folder / "classe.html").u8string()};
  for (auto _ : state) {
    std::ostringstream out, err;
    if (RunBrelamake(arguments, ExecutableAccess{}, nullptr, out, err) != 0) {
      state.SkipWithError(err.str().c_str());
      break;
    }
  }
  fs::remove_all(folder);
}
BENCHMARK(ResultsOfAClassOf35On90TwoAnswerQuestions)->Unit(benchmark::kMillisecond);

}  // namespace
