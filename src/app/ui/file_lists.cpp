#include "app/ui/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

#include "platform/text_file.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
// A name as the lists show it (their text is in the program's code page).
std::string Shown(const QString& name) { return ToCp1252(name); }

std::string CleanPath(const std::string& path) {
    return QDir::cleanPath(QFileInfo(Q(path)).absoluteFilePath()).toStdString();
}

}  // namespace

// ------------------------------------------------------------------ drives

DriveListBox::DriveListBox(QWidget* parent) : ComboBox(parent) {
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (!QFileInfo(root).isDir()) continue;
        roots_.push_back(root.toStdString());
    }
    if (std::find(roots_.begin(), roots_.end(), "/") == roots_.end()) roots_.push_back("/");
    std::sort(roots_.begin(), roots_.end());
    roots_.erase(std::unique(roots_.begin(), roots_.end()), roots_.end());
    for (const std::string& root : roots_) AddItem(Shown(Q(root)));
    Click = [this] {
        const int row = ListIndex();
        if (row < 0 || row >= static_cast<int>(roots_.size()) || roots_[static_cast<size_t>(row)] == drive_) return;
        drive_ = roots_[static_cast<size_t>(row)];
        if (DriveChange) DriveChange();
    };
}

std::string DriveListBox::Drive() const { return drive_; }

void DriveListBox::SetDrive(const std::string& path) {
    std::string root = QStorageInfo(Q(path)).rootPath().toStdString();
    if (root.empty()) root = "/";
    auto at = std::find(roots_.begin(), roots_.end(), root);
    if (at == roots_.end()) {
        roots_.push_back(root);
        AddItem(Shown(Q(root)));
        at = roots_.end() - 1;
    }
    // The choice is noted first, so the list's own Click sees no change.
    const bool changed = root != drive_;
    drive_ = root;
    SetListIndex(static_cast<int>(at - roots_.begin()));
    if (changed && DriveChange) DriveChange();
}

// ------------------------------------------------------------------ folders

DirListBox::DirListBox(QWidget* parent) : ListBox(parent) {
    DblClick = [this] {
        const int row = ListIndex();
        if (row >= 0 && row < static_cast<int>(rowPaths_.size())) SetPath(rowPaths_[static_cast<size_t>(row)]);
    };
}

void DirListBox::SetPath(const std::string& path) {
    const std::string clean = CleanPath(path);
    if (!QFileInfo(Q(clean)).isDir()) return;
    const bool changed = clean != path_;
    path_ = clean;
    Fill();
    if (changed && PathChange) PathChange();
}

void DirListBox::Fill() {
    Clear();
    rowPaths_.clear();
    // The folders from the root down to the current one, then its subfolders.
    std::vector<std::string> chain;
    for (QDir dir(Q(path_));; ) {
        chain.insert(chain.begin(), dir.absolutePath().toStdString());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    int current = 0;
    for (const std::string& folder : chain) {
        const QString name = QDir(Q(folder)).isRoot() ? Q(folder) : QFileInfo(Q(folder)).fileName();
        AddItem(std::string(static_cast<size_t>(depth) * 2, ' ') + Shown(name));
        rowPaths_.push_back(folder);
        current = depth++;
    }
    const QStringList subs = QDir(Q(path_)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subs) {
        AddItem(std::string(static_cast<size_t>(depth) * 2, ' ') + Shown(sub));
        rowPaths_.push_back(QDir(Q(path_)).filePath(sub).toStdString());
    }
    SetListIndex(current);
}

// ------------------------------------------------------------------ files

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {}

void FileListBox::SetPath(const std::string& path) {
    path_ = CleanPath(path);
    Fill();
}

void FileListBox::SetPattern(const std::string& pattern) {
    pattern_ = pattern.empty() ? "*.*" : pattern;
    Fill();
}

std::string FileListBox::FileName() const {
    const int row = ListIndex();
    if (row < 0 || row >= static_cast<int>(names_.size())) return "";
    return names_[static_cast<size_t>(row)];
}

void FileListBox::SetFileName(const std::string& name) {
    for (size_t i = 0; i < names_.size(); ++i)
        if (QString::compare(Q(names_[i]), Q(name), Qt::CaseInsensitive) == 0) {
            SetListIndex(static_cast<int>(i));
            return;
        }
}

void FileListBox::Fill() {
    Clear();
    names_.clear();
    if (path_.empty()) return;
    QStringList filters = Q(pattern_).split(';', Qt::SkipEmptyParts);
    for (QString& f : filters) {
        f = f.trimmed();
        if (f == "*.*") f = "*";
    }
    // Name filters ignore letter case unless told otherwise.
    QDir dir(Q(path_));
    dir.setNameFilters(filters);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        names_.push_back(file.toStdString());
        AddItem(Shown(file));
    }
}
