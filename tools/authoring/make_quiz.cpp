// Making and dumping quiz executables: the check first, the media as the check found them, and
// outputs written beside their targets and moved into place.
#include "tools/authoring/make_quiz.h"

#include "tools/authoring/safe_file.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const QuizFile& quiz, const CheckContext& context,
                               const fs::path& player, const MakeOptions& options) {
  std::vector<fs::path> inputs = MediaPaths(quiz, context.mediaFolder);
  inputs.push_back(player);
  inputs.push_back(options.quizFile);
  return inputs;
}

// Why an existing output is left alone, or nothing when it may be written.
std::string RefusalToReplace(const fs::path& output, bool force, const ExecutableAccess& access) {
  std::error_code error;
  if (!fs::exists(output, error)) return "";
  if (fs::is_directory(output, error)) {
    throw IoError(QuotedPath(output) + " est un dossier : indiquez le nom du fichier à écrire");
  }
  if (force || access.isQuizExecutable(output)) return "";
  return QuotedPath(output) + " existe déjà et n'est pas un quiz : il n'est pas remplacé";
}

// Why a folder that holds files is left alone, or nothing once it exists to be written into.
std::string PrepareFolder(const fs::path& folder, bool force) {
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
    throw IoError(QuotedPath(folder) + " est un fichier : indiquez un dossier");
  }
  if (fs::is_directory(folder, error) && !fs::is_empty(folder, error) && !force) {
    return "le dossier " + QuotedPath(folder) + " contient déjà des fichiers : rien n'y est écrit";
  }
  fs::create_directories(folder, error);
  if (error) throw IoError("impossible de créer le dossier " + QuotedPath(folder));
  return "";
}

}  // namespace

std::vector<Resource> MediaResources(const QuizFile& quiz, const CheckContext& context,
                                     std::vector<Problem>& problems) {
  std::vector<Resource> resources;
  for (const MediaSlot& slot : MediaSlots(quiz)) {
    const fs::path path = ResolvedMediaPath(context.mediaFolder, slot.path);
    MediaVerdict verdict = CheckMediaFile(slot.role, path, slot.path, quiz.backgroundColour,
                                          context.mediaCache, MEDIA_FOR_EXECUTABLE);
    if (!verdict.ok) {
      problems.push_back(ErrorAt({slot.question, slot.field, 0}, verdict.problem));
      continue;
    }
    resources.push_back({MEDIA_RESOURCE_TYPE, slot.resourceId,
                         verdict.resource.empty() ? ReadWholeFile(path) : verdict.resource});
  }
  return resources;
}

MakeOutcome MakeQuizExecutable(const QuizFile& quiz, const CheckContext& context,
                               const fs::path& player, const fs::path& output,
                               const MakeOptions& options, const ExecutableAccess& access) {
  MediaCache localCache;
  CheckContext checking = context;
  if (!checking.mediaCache) checking.mediaCache = &localCache;
  std::vector<Problem> problems = CheckQuiz(quiz, checking);
  if (HasErrors(problems)) return {false, problems, 0, ""};
  RefuseWritingOverInputs(output, InputsOf(quiz, checking, player, options));
  const std::string refused = RefusalToReplace(output, options.force, access);
  if (!refused.empty()) return {false, problems, 0, refused};

  const std::vector<Resource> media = MediaResources(quiz, checking, problems);
  if (HasErrors(problems)) return {false, problems, 0, ""};
  std::vector<Problem> sizeProblems;  // none: the check has packed the same texts
  std::vector<Resource> resources = PackedQuizResources(quiz, sizeProblems);
  resources.insert(resources.end(), media.begin(), media.end());
  const fs::path temporary = TemporaryPathBeside(output);
  try {
    access.writeQuiz(player, temporary, resources);
  } catch (...) {
    std::error_code error;
    fs::remove(temporary, error);
    throw;
  }
  MoveIntoPlace(temporary, output);
  return {true, problems, static_cast<int>(media.size()), ""};
}

DumpOutcome DumpQuizExecutable(const fs::path& executable, const fs::path& folder, bool force,
                               const ExecutableAccess& access) {
  DumpOutcome outcome{false, {}, {}, folder / "quiz.json", 0, ""};
  QuizFile quiz;
  std::vector<MediaFile> media;
  if (!QuizFromResources(access.readQuiz(executable), quiz, media, outcome.problem,
                         outcome.warnings)) {
    return outcome;
  }
  outcome.refused = PrepareFolder(folder, force);
  if (!outcome.refused.empty()) return outcome;
  RefuseWritingOverInputs(outcome.quizFile, {executable});
  for (const MediaFile& file : media) RefuseWritingOverInputs(folder / file.name, {executable});
  for (const MediaFile& file : media) {
    WriteFileSafely(folder / file.name, file.bytes.data(), file.bytes.size());
  }
  const std::string json = WriteQuizJson(quiz);
  WriteFileSafely(outcome.quizFile, json.data(), json.size());
  outcome.ok = true;
  outcome.mediaCount = static_cast<int>(media.size());
  return outcome;
}
