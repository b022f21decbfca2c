// The web page of a quiz: the texts escaped into the page's template, the media as data URIs, the
// packed resources for the grading module as base64.
#include "tools/authoring/web_page.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "tools/authoring/cp1252.h"
#include "tools/authoring/html_text.h"
#include "tools/authoring/make_quiz.h"
#include "tools/authoring/web_page_template.h"

namespace {

constexpr const char* BASE64_DIGITS =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const Bytes& bytes) {
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    const std::size_t left = bytes.size() - at;
    const std::uint32_t group = bytes[at] << 16 | (left > 1 ? bytes[at + 1] << 8 : 0) |
                                (left > 2 ? bytes[at + 2] : 0);
    for (std::size_t digit = 0; digit < 4; ++digit) {
      text += digit <= left ? BASE64_DIGITS[(group >> (18 - 6 * digit)) & 0x3F] : '=';
    }
  }
  return text;
}

bool StartsWith(const Bytes& bytes, const std::string& start, std::size_t at = 0) {
  if (bytes.size() < at + start.size()) return false;
  for (std::size_t k = 0; k < start.size(); ++k) {
    if (bytes[at + k] != static_cast<unsigned char>(start[k])) return false;
  }
  return true;
}

const char* MediaType(const Bytes& bytes) {
  if (StartsWith(bytes, "\xFF\xD8\xFF")) return "image/jpeg";
  if (StartsWith(bytes, "\x89PNG")) return "image/png";
  if (StartsWith(bytes, "GIF8")) return "image/gif";
  if (StartsWith(bytes, "BM")) return "image/bmp";
  if (StartsWith(bytes, "RIFF") && StartsWith(bytes, "WAVE", 8)) return "audio/wav";
  if (IsMp3(bytes)) return "audio/mpeg";
  return "application/octet-stream";
}

// A player text (code page 1252) as the page shows it.
std::string PageText(const char* cp1252) { return EscapedHtml(Cp1252ToUtf8(cp1252)); }

void Replace(std::string& text, const std::string& what, const std::string& by) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.replace(at, what.size(), by);
    at += by.size();
  }
}

// The template with each of its marks replaced, in one pass: a filled text is never searched
// for marks (a quiz's text may hold one).
std::string Filled(const std::string& page, const std::map<std::string, std::string>& fills) {
  std::string html;
  std::size_t from = 0;
  for (std::size_t at = page.find('@'); at != std::string::npos; at = page.find('@', from)) {
    const std::size_t end = page.find('@', at + 1);
    const auto fill = end == std::string::npos ? fills.end()
                                               : fills.find(page.substr(at, end + 1 - at));
    if (fill == fills.end()) {
      html.append(page, from, at + 1 - from);
      from = at + 1;
      continue;
    }
    html.append(page, from, at - from).append(fill->second);
    from = end + 1;
  }
  return html.append(page, from, std::string::npos);
}

std::string Numbered(const std::string& name, int n) { return name + "-" + std::to_string(n); }

const Bytes* MediaOf(const std::vector<Resource>& resources, int id) {
  const Resource* resource = FindStored(resources, MEDIA_RESOURCE_TYPE, id);
  return resource ? &resource->bytes : nullptr;
}

// What the question asks with: its wording, picture or sound.
std::string Prompt(const QuizDefinition& quiz, int n, const Bytes& media) {
  const std::string number = std::to_string(n);
  if (quiz.kind == KIND_PICTURE) {
    return "<img class=\"image\" src=\"" + DataUri(media) + "\" alt=\"Image de la question " +
           number + "\">\n";
  }
  if (quiz.kind == KIND_AUDIO) {
    return "<div class=\"son\"><audio id=\"" + Numbered("son", n) + "\" preload=\"auto\" src=\"" +
           DataUri(media) +
           "\"></audio><button type=\"button\" class=\"jouer\" data-question=\"" + number +
           "\">▶ Écouter</button><button type=\"button\" class=\"arreter\" data-question=\"" +
           number + "\">■ Arrêter</button></div>\n";
  }
  return "<p class=\"enonce\">" + PageText(QuestionAt(quiz, n)->questionText) + "</p>\n";
}

std::string AnswerField(const QuizDefinition& quiz, int n, int j) {
  const std::string suffix = std::to_string(n) + "-" + std::to_string(j);
  const char* caption = j == 1 ? quiz.answer1Caption : quiz.answer2Caption;
  const std::string label =
      caption[0] ? PageText(caption) : (j == 1 ? "Réponse" : "Deuxième réponse");
  return "<div class=\"champ\"><label for=\"reponse-" + suffix + "\">" + label +
         "</label><input type=\"text\" id=\"reponse-" + suffix +
         "\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" "
         "spellcheck=\"false\" maxlength=\"" +
         std::to_string(TEXT_SIZE - 1) + "\"><output id=\"verdict-" + suffix +
         "\" class=\"verdict\" aria-live=\"polite\"></output></div>\n";
}

// What a right answer reveals, hidden until the grading says.
std::string Reveal(const QuizDefinition& quiz, int n, const Bytes* answerPicture) {
  std::string html;
  if (HasRevealText(quiz.revealMode)) {
    html += "<p id=\"" + Numbered("revelation", n) + "\" class=\"revelation\" hidden>" +
            PageText(QuestionAt(quiz, n)->revealText) + "</p>\n";
  }
  if (answerPicture) {
    html += "<img id=\"" + Numbered("image-reponse", n) +
            "\" class=\"image-reponse\" hidden alt=\"Image de la réponse " + std::to_string(n) +
            "\" src=\"" + DataUri(*answerPicture) + "\">\n";
  }
  return html;
}

std::string QuestionBlock(const QuizDefinition& quiz, int n, const Bytes& media,
                          const Bytes* answerPicture) {
  std::string html = "<section class=\"question\" id=\"" + Numbered("question", n) +
                     "\" aria-labelledby=\"" + Numbered("titre-question", n) + "\">\n<h2 id=\"" +
                     Numbered("titre-question", n) + "\">Question " + std::to_string(n) +
                     "</h2>\n" + Prompt(quiz, n, media);
  for (int j = 1; j <= quiz.answersPerQuestion; ++j) html += AnswerField(quiz, n, j);
  return html + Reveal(quiz, n, answerPicture) + "</section>\n";
}

// The questions' blocks, or the problem of a medium missing from the resources.
bool QuestionBlocks(const QuizDefinition& quiz, const std::vector<Resource>& resources,
                    std::string& html, std::string& problem) {
  static const Bytes NO_MEDIA;
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const Bytes* media = MediaOf(resources, IDR_MEDIA_BASE + n);
    if (!media && quiz.kind != KIND_TEXT) {
      problem = "l'exécutable ne contient pas le média de la question " + std::to_string(n) +
                " (ressource « IMG » " + std::to_string(IDR_MEDIA_BASE + n) + ")";
      return false;
    }
    const bool showsPicture =
        quiz.revealMode == REVEAL_PICTURE || quiz.revealMode == REVEAL_TEXT_AND_PICTURE;
    const Bytes* answerPicture =
        showsPicture ? MediaOf(resources, IDR_ANSWER_PICTURE_BASE + n) : nullptr;
    html += QuestionBlock(quiz, n, media ? *media : NO_MEDIA, answerPicture);
  }
  return true;
}

// A script's text inside the page: "</script" would close its element.
std::string InlineScript(std::string script) {
  Replace(script, "</script", "<\\/script");
  return script;
}

}  // namespace

std::string DataUri(const Bytes& bytes) {
  return std::string("data:") + MediaType(bytes) + ";base64," + Base64(bytes);
}

std::string IdentityOf(const Bytes& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001B3ULL;
  static const char* HEX = "0123456789abcdef";
  std::string text(16, '0');
  for (int digit = 15; digit >= 0; --digit, hash >>= 4) text[digit] = HEX[hash & 0xF];
  return text;
}

WebPageOutcome QuizWebPage(const std::vector<Resource>& resources, const std::string& module) {
  QuizDefinition quiz;
  std::string problem;
  if (!PlayerQuizOf(resources, quiz, problem)) return {false, problem, "", 0, 0};
  if (quiz.kind == KIND_VIDEO) {
    return {false,
            "un quiz de films n'a pas de page web : les navigateurs ne lisent pas les films AVI",
            "", 0, 0};
  }
  std::string questions;
  if (!QuestionBlocks(quiz, resources, questions, problem)) return {false, problem, "", 0, 0};
  const Bytes& packedQuiz = FindStored(resources, QUIZ_RESOURCE_TYPE, IDR_QUIZ)->bytes;
  const Bytes& packedCodes = FindStored(resources, QUIZ_RESOURCE_TYPE, IDR_CODES)->bytes;
  Bytes both = packedQuiz;
  both.insert(both.end(), packedCodes.begin(), packedCodes.end());
  const std::map<std::string, std::string> fills = {
      {"@IDENTITY@", IdentityOf(both)},
      {"@TITLE@", PageText(quiz.title)},
      {"@EXPLANATION@", PageText(quiz.explanation)},
      {"@AUTHOR@", PageText(quiz.author)},
      {"@QUESTION_COUNT@", std::to_string(quiz.questionCount)},
      {"@PACKED_QUIZ@", Base64(packedQuiz)},
      {"@PACKED_CODES@", Base64(packedCodes)},
      {"@QUESTIONS@", questions},
      {"@MODULE@", InlineScript(module)}};
  const auto media =
      std::count_if(resources.begin(), resources.end(),
                    [](const Resource& resource) { return resource.type == MEDIA_RESOURCE_TYPE; });
  return {true, "", Filled(WEB_PAGE_TEMPLATE, fills), quiz.questionCount, static_cast<int>(media)};
}

std::filesystem::path WebModuleBeside(const std::filesystem::path& player) {
  return player.parent_path() / "brela-web.js";
}

std::vector<Resource> WebResourcesOf(const QuizFile& quiz, const CheckContext& context,
                                     std::vector<Problem>& problems) {
  std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  if (HasErrors(problems) || quiz.kind == KIND_VIDEO) return resources;
  const std::vector<Resource> media = MediaResources(quiz, context, problems);
  resources.insert(resources.end(), media.begin(), media.end());
  return resources;
}
