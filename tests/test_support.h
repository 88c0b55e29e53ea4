#pragma once
// Helpers shared by the test programs.
#include <string>

namespace testsupport {

// The project's source folder and its shipped data folder.
std::string SourceDir();
std::string ShippedDataDir();

// A fresh empty folder under the system temp folder, removed at exit.
std::string MakeTempDir();

// Whole file as bytes; empty when missing.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace testsupport
