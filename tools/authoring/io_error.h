// Failures of files, told in French with the file's name.
#pragma once

#include <stdexcept>

// A file that cannot be read or written.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A file or folder that is left alone because writing would destroy what it holds; the caller
// may ask again with force.
struct OverwriteRefused : IoError {
  using IoError::IoError;
};
