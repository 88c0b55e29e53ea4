#pragma once
// Byte-for-byte comparison of a report page with its golden file in
// tests/golden/. With TANDRELL_UPDATE_GOLDEN=1 in the environment the golden
// file is rewritten with the page instead (review every rewrite).
#include <string>

namespace golden {

// Empty when the page equals the golden file (or the file was rewritten);
// otherwise a readable account: the first differing lines, numbered.
std::string CompareWithGolden(const std::string& relativePath, const std::string& actual);

}  // namespace golden
