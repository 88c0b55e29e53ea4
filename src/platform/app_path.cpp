#include "platform/app_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr const char* kAppName = "Tandrell";

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::string StandardProgramFolder() {
    if (QCoreApplication::applicationName() != QLatin1String(kAppName))
        QCoreApplication::setApplicationName(QLatin1String(kAppName));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

std::string ShippedDataFolder(const std::string& executableFolder) {
    QDir dir(Q(executableFolder));
    if (QFileInfo(dir.filePath("data")).isDir()) return dir.filePath("data").toStdString();
    // Run from a build folder: look a few levels up for the source tree.
    for (int level = 0; level < 4 && dir.cdUp(); ++level) {
        if (QFileInfo(dir.filePath("CMakeLists.txt")).isFile() && QFileInfo(dir.filePath("data")).isDir())
            return dir.filePath("data").toStdString();
    }
    return "";
}

std::string ShippedDataFolder() { return ShippedDataFolder(QCoreApplication::applicationDirPath().toStdString()); }

bool SeedProgramFolder(const std::string& programFolder, const std::string& shippedFolder) {
    QDir target(Q(programFolder));
    if (!target.mkpath(QStringLiteral("."))) return false;
    if (shippedFolder.empty()) return true;
    const QDir source(Q(shippedFolder));
    bool ok = true;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        if (relative.startsWith(u'.') || relative.contains(QLatin1String("/."))) continue;
        const QString to = target.filePath(relative);
        if (QFileInfo::exists(to)) continue;  // the user's file stays
        if (!QDir().mkpath(QFileInfo(to).path()) || !QFile::copy(from, to)) {
            ok = false;
            continue;
        }
        // An installed data file may be read-only; the user's copy must not be.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return ok;
}

bool MakeReportsFolder(const std::string& programFolder) {
    return QDir(Q(programFolder)).mkpath(QStringLiteral("REPORTS"));
}

std::string SetUpProgramFolder() {
    const std::string folder = StandardProgramFolder();
    SeedProgramFolder(folder, ShippedDataFolder());
    MakeReportsFolder(folder);
    return folder;
}
