// A fresh, empty current directory for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class ScopedWorkingDirectory {
 public:
  ScopedWorkingDirectory();
  ~ScopedWorkingDirectory();
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string previous_;
  std::string path_;
};

// Whole-file helpers for the files a test looks at.
bool FileExists(const std::string& name);
std::string ReadWholeFile(const std::string& name);
void WriteWholeFile(const std::string& name, const std::string& bytes);
