// The class results' printable page.
#include "tools/authoring/results_page.h"

#include <algorithm>
#include <cstdio>

#include "board/verdict.h"
#include "tools/authoring/html_text.h"
#include "tools/authoring/problem.h"

namespace {

constexpr int FIELDS_PER_TABLE = 10;

constexpr const char* PAGE_STYLE = R"(
@page { size: A4; margin: 12mm; }
body { font-family: Arial, Helvetica, sans-serif; font-size: 9pt; color: #000; }
h1 { font-size: 15pt; margin: 0 0 2mm; }
h2 { font-size: 11pt; margin: 5mm 0 2mm; }
table { border-collapse: collapse; margin-bottom: 4mm; }
th, td { border: 1px solid #777; padding: 1px 3px; vertical-align: top; }
tr { page-break-inside: avoid; }
td.field { min-width: 12mm; max-width: 32mm; word-break: break-all; }
td.field span { display: block; font-size: 7pt; }
td.number { text-align: right; }
tbody th { text-align: left; font-weight: normal; }
svg { display: block; margin-bottom: 4mm; }
svg text { font-family: Arial, Helvetica, sans-serif; font-size: 9px; }
)";

// "#rrggbb" of a 0x00BBGGRR colour.
std::string HtmlColour(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string Percent(int part, int whole) {
  return whole > 0 ? std::to_string((part * 100 + whole / 2) / whole) + " %" : "–";
}

std::string QuestionHeader(int n, int j, int answersPerQuestion) {
  return answersPerQuestion == 1 ? std::to_string(n)
                                 : std::to_string(n) + "." + std::to_string(j);
}

std::string FieldCell(const FieldResult& field) {
  const std::string fill = field.colour == NO_VERDICT_COLOUR
                               ? ""
                               : " style=\"background: " + HtmlColour(field.colour) + "\"";
  return "<td class=\"field\"" + fill + ">" + EscapedHtml(field.answer) + "<span>" +
         EscapedHtml(field.verdict) + "</span></td>";
}

// The pupils' fields first .. first + count - 1 (from 0), with their names, scores and codes.
std::string TableBlock(const ClassResults& results, int first, int count) {
  const int a = results.answersPerQuestion;
  std::string html = "<table>\n<thead><tr><th>Élève</th><th>Score</th><th>Code</th>";
  for (int k = first; k < first + count; ++k) {
    html += "<th>" + QuestionHeader(k / a + 1, k % a + 1, a) + "</th>";
  }
  html += "</tr></thead>\n<tbody>\n";
  for (const PupilResult& pupil : results.pupils) {
    html += "<tr><th>" + EscapedHtml(pupil.name) + "</th><td class=\"number\">" +
            std::to_string(pupil.score) + "</td><td>" + EscapedHtml(pupil.code) + "</td>";
    for (int k = first; k < first + count; ++k) html += FieldCell(pupil.fields[k]);
    html += "</tr>\n";
  }
  return html + "</tbody>\n</table>\n";
}

std::string ClassTable(const ClassResults& results) {
  const int fields = results.questionCount * results.answersPerQuestion;
  std::string html = "<h2>Les réponses</h2>\n";
  for (int first = 0; first < fields; first += FIELDS_PER_TABLE) {
    html += TableBlock(results, first, std::min(FIELDS_PER_TABLE, fields - first));
  }
  return html;
}

int SolvedBy(const ClassResults& results, int n) {
  return static_cast<int>(std::count_if(results.pupils.begin(), results.pupils.end(),
                                        [n](const PupilResult& p) { return p.solved[n - 1]; }));
}

std::string SvgText(int x, int y, const std::string& text, const char* anchor = "start") {
  return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
         "\" text-anchor=\"" + anchor + "\">" + EscapedHtml(text) + "</text>";
}

std::string SvgRect(int x, int y, int width, int height, const std::string& fill) {
  return "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" + fill +
         "\"/>";
}

// One bar a question, the hardest at the top; ties keep the questions' order.
std::string SuccessChart(const ClassResults& results) {
  constexpr int ROW = 14, LABEL = 80, BAR = 420, WIDTH = 600;
  std::vector<int> order(results.questionCount);
  for (int n = 1; n <= results.questionCount; ++n) order[n - 1] = n;
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return SolvedBy(results, a) < SolvedBy(results, b); });
  const int pupils = static_cast<int>(results.pupils.size());
  const int height = ROW * results.questionCount + 4;
  std::string svg = "<h2>La réussite de chaque question, des plus difficiles aux plus "
                    "faciles</h2>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(WIDTH) + "\" height=\"" + std::to_string(height) +
                    "\" role=\"img\" aria-label=\"Réussite de chaque question\">\n";
  for (std::size_t row = 0; row < order.size(); ++row) {
    const int n = order[row];
    const int solved = SolvedBy(results, n);
    const int y = static_cast<int>(row) * ROW + 2;
    const int length = pupils > 0 ? BAR * solved / pupils : 0;
    svg += SvgText(0, y + 10, "Question " + std::to_string(n)) +
           SvgRect(LABEL, y + 1, BAR, ROW - 3, "#eeeeee") +
           SvgRect(LABEL, y + 1, length, ROW - 3, HtmlColour(COLOUR_BRAVO)) +
           SvgText(LABEL + BAR + 6, y + 10,
                   std::to_string(solved) + " / " + std::to_string(pupils) + " (" +
                       Percent(solved, pupils) + ")") +
           "\n";
  }
  return svg + "</svg>\n";
}

// One bar a score, from 0 to every question solved; the number of pupils above each bar.
std::string ScoreSpread(const ClassResults& results) {
  constexpr int TOP = 14, PLOT = 120, BOTTOM = 16;
  const int scores = results.questionCount + 1;
  const int step = std::max(4, std::min(30, 600 / scores));
  std::vector<int> counts(scores, 0);
  for (const PupilResult& pupil : results.pupils) ++counts[pupil.score];
  const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
  const int labelEvery = scores <= 21 ? 1 : 10;
  std::string svg = "<h2>La répartition des scores</h2>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    std::to_string(step * scores + 10) + "\" height=\"" +
                    std::to_string(TOP + PLOT + BOTTOM) +
                    "\" role=\"img\" aria-label=\"Répartition des scores\">\n";
  for (int score = 0; score < scores; ++score) {
    const int x = score * step + 5;
    const int height = PLOT * counts[score] / most;
    svg += SvgRect(x + 1, TOP + PLOT - height, step - 2, height, "#4a7bd0");
    if (counts[score] > 0) {
      svg += SvgText(x + step / 2, TOP + PLOT - height - 3, std::to_string(counts[score]),
                     "middle");
    }
    if (score % labelEvery == 0 || score == scores - 1) {
      svg += SvgText(x + step / 2, TOP + PLOT + 12, std::to_string(score), "middle");
    }
    svg += "\n";
  }
  return svg + "</svg>\n<p>Score : nombre de questions trouvées ; hauteur : nombre d'élèves.</p>\n";
}

std::string LeftOutList(const ClassResults& results) {
  if (results.leftOut.empty()) return "";
  std::string html = "<h2>Fichiers laissés de côté</h2>\n<ul>\n";
  for (const LeftOutFile& file : results.leftOut) {
    html += "<li>" + EscapedHtml(file.file.filename().u8string()) + " : " +
            EscapedHtml(file.reason) + "</li>\n";
  }
  return html + "</ul>\n";
}

}  // namespace

std::string ResultsPage(const ClassResults& results) {
  const std::string title = "Résultats de la classe : " + results.quizTitle;
  return RESULTS_PAGE_START + std::string("<head>\n<meta charset=\"utf-8\">\n<title>") +
         EscapedHtml(title) + "</title>\n<style>" + PAGE_STYLE + "</style>\n</head>\n<body>\n<h1>" +
         EscapedHtml(title) + "</h1>\n<p>" +
         CountText(static_cast<long long>(results.pupils.size()), "élève", "élèves") + ", " +
         CountText(results.questionCount, "question", "questions") + ".</p>\n" +
         ClassTable(results) + SuccessChart(results) + ScoreSpread(results) + LeftOutList(results) +
         "</body>\n</html>\n";
}
