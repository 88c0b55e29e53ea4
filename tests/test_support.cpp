#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace testsupport {

std::string SourceDir() { return TANDRELL_SOURCE_DIR; }
std::string ShippedDataDir() { return std::string(TANDRELL_SOURCE_DIR) + "/data"; }

std::string MakeTempDir() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path().toStdString();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace testsupport
