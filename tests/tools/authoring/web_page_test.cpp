// The quiz's web page: the ids that tests and pupils rely on, the media inside it as data URIs,
// nothing loaded from elsewhere, the film quiz refused, the page's weight beside its media.
#include "tools/authoring/web_page.h"

#include <gtest/gtest.h>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/make_quiz.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

constexpr const char* MODULE = "var BrelaGrading = function () { return 'module'; };";

// The resources that make would put into the quiz's executable.
std::vector<Resource> ResourcesOf(const Json& json, const std::string& name) {
  const fs::path folder = FreshDirectory("web-" + name);
  WriteSampleQuiz(json, folder);
  std::vector<Problem> problems;
  const QuizFile quiz = ReadQuizJson(json.dump(), problems);
  std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  if (json["kind"] != "video") {
    const std::vector<Resource> media = MediaResources(quiz, {folder, nullptr, nullptr}, problems);
    resources.insert(resources.end(), media.begin(), media.end());
  }
  EXPECT_FALSE(HasErrors(problems));
  return resources;
}

std::string PageOf(const Json& json, const std::string& name) {
  const WebPageOutcome page = QuizWebPage(ResourcesOf(json, name), MODULE);
  EXPECT_TRUE(page.ok) << page.problem;
  return page.html;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// Written apart from the page's encoder: RFC 4648's alphabet, four digits for three bytes.
Bytes Base64Decoded(const std::string& text) {
  const std::string digits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  Bytes bytes;
  unsigned bits = 0, held = 0;
  for (char c : text) {
    if (c == '=') break;
    held = held << 6 | static_cast<unsigned>(digits.find(c));
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes.push_back(static_cast<unsigned char>(held >> bits));
      held &= (1u << bits) - 1;
    }
  }
  return bytes;
}

// The bytes of the data URI that the element of that id shows.
Bytes SourceOf(const std::string& html, const std::string& id, const std::string& type) {
  const std::size_t element = html.find("id=\"" + id + "\"");
  const std::string start = "src=\"data:" + type + ";base64,";
  const std::size_t at = html.find(start, element);
  if (element == std::string::npos || at == std::string::npos) return {};
  const std::size_t from = at + start.size();
  return Base64Decoded(html.substr(from, html.find('"', from) - from));
}

TEST(WebPageTest, EveryFieldVerdictRevealAndButtonHasItsId) {
  const std::string html = PageOf(SampleQuizJson("picture", "textAndPicture", 2, 3), "ids");
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"fr\"", 0), 0u);
  for (int n = 1; n <= 3; ++n) {
    const std::string number = std::to_string(n);
    for (int j = 1; j <= 2; ++j) {
      const std::string suffix = number + "-" + std::to_string(j);
      EXPECT_EQ(Count(html, "<input type=\"text\" id=\"reponse-" + suffix + "\""), 1u) << suffix;
      EXPECT_EQ(Count(html, "<label for=\"reponse-" + suffix + "\">"), 1u) << suffix;
      EXPECT_EQ(Count(html, "id=\"verdict-" + suffix + "\" class=\"verdict\" aria-live=\"polite\""),
                1u)
          << suffix;
    }
    EXPECT_EQ(Count(html, "id=\"revelation-" + number + "\" class=\"revelation\" hidden>C&#39;était "
                          "« " + number + " » €</p>"),
              1u);
    EXPECT_EQ(Count(html, "id=\"image-reponse-" + number + "\""), 1u);
  }
  EXPECT_EQ(html.find("reponse-4-1"), std::string::npos);
  EXPECT_EQ(html.find("reponse-1-3"), std::string::npos);
  EXPECT_NE(html.find("<label for=\"reponse-2-1\">Prénom</label>"), std::string::npos);
  EXPECT_NE(html.find("<label for=\"reponse-2-2\">Année</label>"), std::string::npos);
  for (const char* id : {"score", "code", "sauver", "telecharger", "verifier-partout"}) {
    EXPECT_EQ(Count(html, "id=\"" + std::string(id) + "\""), 1u) << id;
  }
  EXPECT_NE(html.find("<input type=\"file\" id=\"reprendre\""), std::string::npos);
  EXPECT_NE(html.find(">Télécharger mes réponses</button>"), std::string::npos);
  EXPECT_NE(html.find(">Sauver</button>"), std::string::npos);
  EXPECT_NE(html.find("Reprendre un fichier de réponses"), std::string::npos);
  EXPECT_NE(html.find("<output id=\"score\" aria-live=\"polite\"> 0 / 3</output>"),
            std::string::npos);
  EXPECT_NE(html.find("<h1>Quiz « picture » à l&#39;œil</h1>"), std::string::npos);
  EXPECT_NE(html.find("Zoé Müller"), std::string::npos);
  EXPECT_NE(html.find("Trouvez les réponses — vite !"), std::string::npos);
}

TEST(WebPageTest, OnlyTheRevealsTheModeShowsAreThere) {
  const std::string pictures = PageOf(SampleQuizJson("picture", "picture", 1, 2), "pictures");
  EXPECT_EQ(pictures.find("id=\"revelation-"), std::string::npos);
  EXPECT_EQ(Count(pictures, "id=\"image-reponse-"), 2u);
  const std::string atEnd = PageOf(SampleQuizJson("picture", "textsAtEnd", 1, 2), "at-end");
  EXPECT_EQ(Count(atEnd, "id=\"revelation-"), 2u);
  EXPECT_EQ(atEnd.find("id=\"image-reponse-"), std::string::npos);
}

TEST(WebPageTest, PicturesAndSoundsAreDataUrisOfTheirOwnBytes) {
  const Json pictures = SampleQuizJson("picture", "picture", 1, 2);
  const std::string html = PageOf(pictures, "media");
  const fs::path folder = FreshDirectory("web-media-files");
  WriteSampleQuiz(pictures, folder);
  const Bytes answer2 = ReadWholeFile(folder / fs::u8path("media/réponse2.jpg"));
  EXPECT_FALSE(answer2.empty());
  EXPECT_EQ(SourceOf(html, "image-reponse-2", "image/jpeg"), answer2);
  EXPECT_EQ(Count(html, "src=\"data:image/jpeg;base64,"), 4u);
  const WebPageOutcome page = QuizWebPage(ResourcesOf(pictures, "media-counted"), MODULE);
  EXPECT_EQ(page.questionCount, 2);
  EXPECT_EQ(page.mediaCount, 4);

  const Json sounds = SampleQuizJson("audio", "none", 1, 3);
  const std::string audio = PageOf(sounds, "sounds");
  WriteSampleQuiz(sounds, folder);
  EXPECT_EQ(SourceOf(audio, "son-3", "audio/mpeg"), ReadWholeFile(folder / "media/sound3.mp3"));
  EXPECT_EQ(Count(audio, "<audio id=\"son-"), 3u);
  EXPECT_EQ(Count(audio, "class=\"jouer\""), 3u);
  EXPECT_EQ(Count(audio, "class=\"arreter\""), 3u);
}

TEST(WebPageTest, DataUrisNameTheTypeOfTheirFirstBytes) {
  EXPECT_EQ(DataUri({'M', 'a', 'n'}), "data:application/octet-stream;base64,TWFu");
  EXPECT_EQ(DataUri({0xFF, 0xD8, 0xFF, 0xE0}), "data:image/jpeg;base64,/9j/4A==");
  EXPECT_EQ(DataUri({0x89, 'P', 'N', 'G', 0x0D}), "data:image/png;base64,iVBORw0=");
  EXPECT_EQ(DataUri({'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0}),
            "data:audio/mpeg;base64,SUQzAwAAAAAAAA==");
  EXPECT_EQ(DataUri({0xFF, 0xFB, 0x90, 0x64}), "data:audio/mpeg;base64,//uQZA==");
  EXPECT_EQ(DataUri({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}),
            "data:audio/wav;base64,UklGRgAAAABXQVZF");
}

TEST(WebPageTest, NothingIsLoadedFromElsewhere) {
  for (const SampleKind& kind : SAMPLE_KINDS) {
    if (std::string(kind.kind) == "video") continue;
    const std::string html =
        PageOf(SampleQuizJson(kind.kind, kind.revealMode, 2, 2),
               std::string("outside-") + kind.kind + "-" + kind.revealMode);
    EXPECT_EQ(html.find("http"), std::string::npos) << kind.kind;
    EXPECT_EQ(html.find("<link"), std::string::npos) << kind.kind;
    EXPECT_EQ(html.find("<iframe"), std::string::npos) << kind.kind;
    EXPECT_EQ(Count(html, "src=\""), Count(html, "src=\"data:")) << kind.kind;
    EXPECT_EQ(Count(html, "<script"), 3u) << kind.kind;  // the resources, the module, the page
  }
}

TEST(WebPageTest, AFilmQuizHasNoPage) {
  const WebPageOutcome page =
      QuizWebPage(ResourcesOf(SampleQuizJson("video", "none", 1, 2), "film"), MODULE);
  EXPECT_FALSE(page.ok);
  EXPECT_EQ(page.problem,
            "un quiz de films n'a pas de page web : les navigateurs ne lisent pas les films AVI");
  EXPECT_EQ(page.html, "");
}

TEST(WebPageTest, ResourcesWithoutAQuizHaveNoPage) {
  const WebPageOutcome page = QuizWebPage({}, MODULE);
  EXPECT_FALSE(page.ok);
  EXPECT_NE(page.problem.find("ne contient pas de quiz"), std::string::npos);
}

TEST(WebPageTest, TextsAreEscapedAndTheirMarksLeftAlone) {
  Json json = SampleQuizJson("text", "none", 1, 2);
  json["title"] = "<b>Tom & \"Jerry\"</b> @QUESTIONS@";
  json["questions"][0]["questionText"] = "2 < 3 ?";
  const std::string html = PageOf(json, "escaped");
  EXPECT_NE(html.find("<h1>&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt; @QUESTIONS@</h1>"),
            std::string::npos);
  EXPECT_NE(html.find("<p class=\"enonce\">2 &lt; 3 ?</p>"), std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_EQ(Count(html, "<section class=\"question\""), 2u);
}

TEST(WebPageTest, TheModuleCannotCloseItsScript) {
  const WebPageOutcome page = QuizWebPage(
      ResourcesOf(SampleQuizJson("text", "none", 1, 1), "close"), "var end = '</script><p>';");
  ASSERT_TRUE(page.ok);
  EXPECT_NE(page.html.find("var end = '<\\/script><p>';"), std::string::npos);
  EXPECT_EQ(Count(page.html, "</script>"), 3u);
}

TEST(WebPageTest, APageWeighsItsMediaAndModuleAndAtMost200KilobytesMore) {
  const std::vector<Resource> resources =
      ResourcesOf(SampleQuizJson("picture", "textAndPicture", 2, 90), "weight");
  std::size_t media = 0;
  for (const Resource& resource : resources) {
    if (resource.type == "IMG") media += (resource.bytes.size() + 2) / 3 * 4;  // as base64
  }
  const std::string module(300000, 'x');
  const WebPageOutcome page = QuizWebPage(resources, module);
  ASSERT_TRUE(page.ok);
  EXPECT_GT(media, 0u);
  EXPECT_LE(page.html.size(), media + module.size() + 200 * 1024);
}

TEST(WebPageTest, TheIdentityIsTheFnv1aHashOfTheBytes) {
  EXPECT_EQ(IdentityOf({}), "cbf29ce484222325");
  EXPECT_EQ(IdentityOf({'a'}), "af63dc4c8601ec8c");
  EXPECT_EQ(IdentityOf({'f', 'o', 'o', 'b', 'a', 'r'}), "85944171f73967e8");
}

}  // namespace
