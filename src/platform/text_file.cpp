#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// codes it leaves undefined, which pass through as the C1 control of that code.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = f.readAll();
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return SplitTextLines(*bytes);
}

std::vector<std::string> SplitTextLines(const std::string& b) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < b.size(); ++i) {
        const char c = b[i];
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) {
        if (line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) {
        bytes += l;
        bytes += "\r\n";
    }
    return WriteFileBytes(path, bytes);
}

bool FileExists(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/' || folder.back() == '\\') return folder + name;
    return folder + "/" + name;
}

QString FromCp1252(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes) {
        if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0)
            out += QChar(kHigh[c - 0x80]);
        else
            out += QChar(static_cast<char16_t>(c));
    }
    return out;
}

std::string ToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t u = text[k].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);
            continue;
        }
        // The five codes the code page leaves undefined came in as their C1
        // control and go back as the same byte.
        if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0) {
            out += static_cast<char>(u);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u) mapped = static_cast<char>(0x80 + i);
        // A character outside the 16-bit range is one '?', not two.
        if (text[k].isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate()) ++k;
        out += mapped;
    }
    return out;
}

bool FitsCp1252(const QString& text) { return FromCp1252(ToCp1252(text)) == text; }

std::string PathToText(const std::string& path) { return ToCp1252(QString::fromStdString(path)); }

std::string TextToPath(const std::string& text) { return FromCp1252(text).toStdString(); }
