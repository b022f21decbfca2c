// brelamake's commands: argument parsing, the checks before anything is written, file output.
#include "tools/brelamake/brelamake.h"

#include <fstream>
#include <iterator>
#include <map>

namespace {

namespace fs = std::filesystem;

constexpr const char* USAGE = R"(brelamake: makes brela quiz executables and reads them back.

Usage:
  brelamake make QUIZ.json -o NAME.exe [--player PATH]
      Writes the quiz described by QUIZ.json, with its media files, into NAME.exe, a copy of
      the player (by default brela.exe beside brelamake). Nothing is written unless the whole
      quiz fits; every problem found is told, naming the question and the field.
  brelamake dump NAME.exe -o DIR
      Writes the quiz of NAME.exe back as DIR/quiz.json and its media files into DIR
      (picture01.jpg, answer01.jpg, sound01.mp3, film01.avi...). "make" on that quiz.json
      gives the same quiz again, with the same media bytes.
  brelamake --help
      Shows this text.

The quiz file (JSON, UTF-8):
  {
    "kind": "text" | "picture" | "audio" | "video",        required
    "title": "...",                                         required
    "author", "explanation", "answer1Caption", "answer2Caption": "...",
    "answersPerQuestion": 1 | 2,                            default 1
    "revealMode": "none" | "picture" | "text" | "textAndPicture" | "textsAtEnd",
                                                            default "none"
    "backgroundColour": "#RRGGBB",                          default "#FFFFFF"
    "codes": ["...", ...],           one progress code per question: code k is shown
                                     while k questions are solved
    "questions": [
      { "answer1": "...",            required, not empty
        "answer2": "...",            required with two answers per question, else absent
        "questionText": "...",       the wording; required in a text quiz
        "revealText": "...",         with reveal mode "text", "textAndPicture", "textsAtEnd"
        "picture": "q1.jpg",         picture quiz: a JFIF JPEG (starts FF D8 FF E0)
        "sound": "q1.mp3",           audio quiz: an MP3 file
        "film": "q1.avi",            video quiz: an AVI file
        "answerPicture": "r1.jpg"    picture quiz with reveal mode "picture" or
                                     "textAndPicture": a JFIF JPEG, shown once solved
      }, ...
    ]
  }
  Media paths are relative to the quiz file. Reveal modes act on picture quizzes only.

Refused, before anything is written:
  no question or more than 90; a text over 259 bytes once in code page 1252; a character
  that code page 1252 cannot hold; a '|' in any text but a code; a line break in a code;
  fewer or more codes than questions; a packed resource over 65535 bytes or an unpacked one
  over 120000; a media file that is missing or unreadable; a picture that is not a JFIF
  JPEG, a sound that is not an MP3, a film that is not an AVI; an unknown or misspelt field,
  a missing required field, a field the quiz's kind or reveal mode does not use.

Exit codes:
  0  success
  1  bad quiz file (or, for dump, an executable without a readable quiz)
  2  input/output failure: a file that cannot be read or written, a player that is not one
  3  wrong command line
)";

struct CommandLine {
  std::string command;
  std::string input;
  std::map<std::string, std::string> options;  // "-o", "--player"
};

// Parses "COMMAND INPUT" and options that take a value; false on anything else.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line) {
  if (arguments.empty()) return false;
  line.command = arguments[0];
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-o" || argument == "--player") {
      if (i + 1 == arguments.size() || line.options.count(argument)) return false;
      line.options[argument] = arguments[++i];
    } else if (line.input.empty() && !argument.empty() && argument[0] != '-') {
      line.input = argument;
    } else {
      return false;
    }
  }
  return !line.input.empty() && line.options.count("-o");
}

std::string ReadTextFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.is_open() || (!in.good() && !in.eof())) {
    throw IoError("cannot read \"" + path.u8string() + "\"");
  }
  return text;
}

void WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) throw IoError("cannot write \"" + path.u8string() + "\"");
}

int ReportProblems(const std::string& file, const std::vector<std::string>& problems,
                   std::ostream& err) {
  for (const std::string& problem : problems)
    err << "brelamake: " << file << ": " << problem << "\n";
  err << "brelamake: nothing written (" << problems.size()
      << (problems.size() == 1 ? " problem)\n" : " problems)\n");
  return EXIT_BAD_QUIZ;
}

int Make(const CommandLine& line, const ExecutableAccess& access, std::ostream& out,
         std::ostream& err) {
  const fs::path quizPath = fs::u8path(line.input);
  const fs::path output = fs::u8path(line.options.at("-o"));
  const fs::path player = line.options.count("--player") ? fs::u8path(line.options.at("--player"))
                                                         : access.defaultPlayer;
  std::vector<std::string> problems;
  const QuizFile quiz = ReadQuizJson(ReadTextFile(quizPath), problems);
  if (!problems.empty()) return ReportProblems(line.input, problems, err);
  const std::vector<Resource> resources = MakeQuizResources(quiz, quizPath.parent_path(), problems);
  if (!problems.empty()) return ReportProblems(line.input, problems, err);
  std::error_code error;
  if (fs::equivalent(player, output, error)) {
    throw IoError("the output " + output.u8string() + " is the player itself");
  }
  access.writeQuiz(player, output, resources);
  out << "brelamake: wrote " << output.u8string() << ": " << quiz.questions.size() << " questions, "
      << resources.size() - 2 << " media files\n";
  return EXIT_SUCCESS_CODE;
}

int Dump(const CommandLine& line, const ExecutableAccess& access, std::ostream& out,
         std::ostream& err) {
  const fs::path directory = fs::u8path(line.options.at("-o"));
  QuizFile quiz;
  std::vector<MediaFile> media;
  std::string problem;
  std::vector<std::string> warnings;
  if (!QuizFromResources(access.readQuiz(fs::u8path(line.input)), quiz, media, problem, warnings)) {
    err << "brelamake: " << line.input << ": " << problem << "\n";
    return EXIT_BAD_QUIZ;
  }
  for (const std::string& warning : warnings)
    err << "brelamake: " << line.input << ": " << warning << "\n";
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) throw IoError("cannot create \"" + directory.u8string() + "\"");
  for (const MediaFile& file : media) {
    WriteFile(directory / fs::u8path(file.name), file.bytes.data(), file.bytes.size());
  }
  const std::string json = WriteQuizJson(quiz);
  WriteFile(directory / "quiz.json", json.data(), json.size());
  out << "brelamake: wrote " << (directory / "quiz.json").u8string() << " and " << media.size()
      << " media files\n";
  return EXIT_SUCCESS_CODE;
}

}  // namespace

std::string UsageText() { return USAGE; }

int RunBrelamake(const std::vector<std::string>& arguments, const ExecutableAccess& access,
                 std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << USAGE;
    return EXIT_SUCCESS_CODE;
  }
  CommandLine line;
  if (!ParseCommandLine(arguments, line) || (line.command != "make" && line.command != "dump") ||
      (line.command == "dump" && line.options.count("--player"))) {
    err << "brelamake: wrong command line; brelamake --help tells how to use it\n";
    return EXIT_BAD_USAGE;
  }
  try {
    return line.command == "make" ? Make(line, access, out, err) : Dump(line, access, out, err);
  } catch (const IoError& error) {
    err << "brelamake: " << error.what() << "\n";
    return EXIT_IO_FAILURE;
  } catch (const fs::filesystem_error& error) {
    err << "brelamake: " << error.what() << "\n";
    return EXIT_IO_FAILURE;
  }
}
