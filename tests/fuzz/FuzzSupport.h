// What the fuzz targets share: a scratch folder for the files they write, and
// a check that stops the run when a reader breaks its promise (libFuzzer and
// the corpus replay both report the abort as a failure).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillora::fuzz {

// A path in this process's own scratch folder, which is removed at exit.
std::string ScratchPath(const std::string& name);

// Replaces the file with exactly these bytes.
void WriteBytes(const std::string& path, const uint8_t* data, size_t size);

// Aborts with the message when the condition does not hold.
void Require(bool condition, const char* what);

}  // namespace quillora::fuzz
