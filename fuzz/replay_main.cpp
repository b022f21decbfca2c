// Runs a fuzz target once on every file given, and every file in each folder given: the corpora
// replayed as a regression test without libFuzzer. A broken property aborts the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Inputs(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (!fs::is_directory(argv[i])) {
      inputs.emplace_back(argv[i]);
      continue;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

bool Replay(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  // A block of exactly the input's size, as libFuzzer gives it, so that a read past the end
  // leaves the block.
  std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  LLVMFuzzerTestOneInput(exact.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<fs::path> inputs = Inputs(argc, argv);
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s file-or-folder...: no input found\n", argv[0]);
    return 1;
  }
  for (const fs::path& path : inputs) {
    std::fprintf(stderr, "Running: %s\n", path.c_str());  // names the input that aborts
    if (!Replay(path)) {
      std::fprintf(stderr, "cannot read %s\n", path.c_str());
      return 1;
    }
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
