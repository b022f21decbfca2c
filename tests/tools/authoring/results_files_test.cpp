// The class results' spreadsheet and printable page, byte for byte where a program reads them.
#include <gtest/gtest.h>

#include "tools/authoring/results_page.h"
#include "tools/authoring/results_spreadsheet.h"

namespace {

FieldResult Field(const std::string& answer, const std::string& verdict,
                  std::uint32_t colour = 0x0000FF00) {
  return {answer, verdict, colour};
}

PupilResult Pupil(const std::string& name, int score, const std::string& code,
                  std::vector<FieldResult> fields, std::vector<bool> solved) {
  PupilResult pupil;
  pupil.name = name;
  pupil.score = score;
  pupil.code = code;
  pupil.fields = std::move(fields);
  pupil.solved = std::move(solved);
  return pupil;
}

TEST(ResultsCsv, OneAnswerAQuestion) {
  ClassResults results;
  results.questionCount = 2;
  results.answersPerQuestion = 1;
  results.pupils = {
      Pupil("Émile", 1, "CLÉ", {Field("Paris", "BRAVO"), Field("", "?")}, {true, false}),
      Pupil("Noé", 0, "", {Field("rome; ou \"Roma\"", "FAUX"), Field(" berne", "Presque")},
            {false, false})};
  EXPECT_EQ(ResultsCsv(results),
            "\xEF\xBB\xBF"
            "Élève;Score;Code;1 réponse;1 verdict;2 réponse;2 verdict\r\n"
            "Émile;1;CLÉ;Paris;BRAVO;;?\r\n"
            "Noé;0;;\"rome; ou \"\"Roma\"\"\";FAUX;\" berne\";Presque\r\n");
}

// A pupil's answer that a spreadsheet would run as a formula is written as text; numbers stay
// numbers.
TEST(ResultsCsv, AnAnswerNeverBecomesAFormula) {
  ClassResults results;
  results.questionCount = 6;
  results.answersPerQuestion = 1;
  results.pupils = {Pupil("@Léa", 0, "=1",
                          {Field("=HYPERLINK(\"http://x\";\"ici\")", "FAUX"),
                           Field("+33 6 12", "FAUX"), Field("-5", "BRAVO"), Field("+2,5", "BRAVO"),
                           Field("-", "FAUX"), Field("a=b", "FAUX")},
                          {false, false, true, true, false, false})};
  EXPECT_EQ(ResultsCsv(results),
            "\xEF\xBB\xBF"
            "Élève;Score;Code;1 réponse;1 verdict;2 réponse;2 verdict;3 réponse;3 verdict;"
            "4 réponse;4 verdict;5 réponse;5 verdict;6 réponse;6 verdict\r\n"
            "'@Léa;0;'=1;\"'=HYPERLINK(\"\"http://x\"\";\"\"ici\"\")\";FAUX;'+33 6 12;FAUX;"
            "-5;BRAVO;+2,5;BRAVO;'-;FAUX;a=b;FAUX\r\n");
}

TEST(ResultsCsv, TwoAnswersAQuestion) {
  ClassResults results;
  results.questionCount = 1;
  results.answersPerQuestion = 2;
  results.pupils = {Pupil("Léa", 0, "", {Field("a\rb", "FAUX"), Field("l'x ", "yade lidée")},
                          {false})};
  EXPECT_EQ(ResultsCsv(results),
            "\xEF\xBB\xBF"
            "Élève;Score;Code;1 réponse 1;1 verdict 1;1 réponse 2;1 verdict 2\r\n"
            "Léa;0;;\"a\rb\";FAUX;\"l'x \";yade lidée\r\n");
}

ClassResults TwoPupils() {
  ClassResults results;
  results.quizTitle = "Capitales <d'Europe> \"1\"";
  results.questionCount = 2;
  results.answersPerQuestion = 1;
  results.pupils = {
      Pupil("<script>Ana</script>", 1, "A&B",
            {Field("Paris", "BRAVO", 0x0000FF00), Field("Rom", "Quasiment", 0x0026CBFF)},
            {true, false}),
      Pupil("Bob", 2, "C",
            {Field("Paris", "BRAVO", 0x0000FF00), Field("Rome", "BRAVO", 0x0000FF00)},
            {true, true})};
  return results;
}

TEST(ResultsPage, AFrenchA4PageWithNothingOutsideIt) {
  const std::string page = ResultsPage(TwoPupils());
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"fr\">", 0), 0u);
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(page.find("size: A4"), std::string::npos);
  for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "<link"}) {
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  }
  EXPECT_NE(page.find("&lt;script&gt;Ana&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(page.find("Capitales &lt;d&#39;Europe&gt; &quot;1&quot;"), std::string::npos);
  EXPECT_NE(page.find("A&amp;B"), std::string::npos);
}

TEST(ResultsPage, ColoursEachAnswerAsThePlayerColoursItsVerdict) {
  ClassResults results = TwoPupils();
  results.pupils[1].fields[0] = Field("Paris", "Anagramme", 0x000064FF);
  results.pupils[1].solved[0] = false;
  results.pupils[1].score = 1;
  const std::string page = ResultsPage(results);
  EXPECT_NE(
      page.find("<td class=\"field\" style=\"background: #ffcb26\">Rom<span>Quasiment</span>"),
      std::string::npos);
  EXPECT_NE(page.find("<td class=\"field\" style=\"background: #00ff00\">Rome<span>BRAVO</span>"),
            std::string::npos);
  EXPECT_NE(
      page.find("<td class=\"field\" style=\"background: #ff6400\">Paris<span>Anagramme</span>"),
      std::string::npos);
}

TEST(ResultsPage, TheHardestQuestionComesFirstInTheSuccessChart) {
  const std::string page = ResultsPage(TwoPupils());
  const std::size_t chart = page.find("<svg");
  ASSERT_NE(chart, std::string::npos);
  const std::size_t second = page.find(">Question 2<", chart);
  const std::size_t first = page.find(">Question 1<", chart);
  ASSERT_NE(second, std::string::npos);
  ASSERT_NE(first, std::string::npos);
  EXPECT_LT(second, first);
  EXPECT_NE(page.find(">1 / 2 (50 %)<", chart), std::string::npos);
  EXPECT_NE(page.find(">2 / 2 (100 %)<", chart), std::string::npos);
}

TEST(ResultsPage, TheSpreadOfScoresHasABarForEachScore) {
  const std::string page = ResultsPage(TwoPupils());
  const std::size_t spread = page.find("Répartition des scores");
  ASSERT_NE(spread, std::string::npos);
  const std::string chart = page.substr(spread, page.find("</svg>", spread) - spread);
  std::size_t bars = 0;
  for (std::size_t at = chart.find("<rect"); at != std::string::npos;
       at = chart.find("<rect", at + 1)) {
    ++bars;
  }
  EXPECT_EQ(bars, 3u);  // scores 0, 1 and 2
  EXPECT_NE(chart.find("height=\"0\""), std::string::npos);  // nobody scored 0
}

}  // namespace
