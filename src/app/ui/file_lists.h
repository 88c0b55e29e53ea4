#pragma once
// The three lists of the file chooser: the drives (here the mounted
// volumes, each by its root folder), the folders on the way to the current
// one and those inside it, and the files of a folder that match a pattern.
// Paths are kept as the file system names them (UTF-8); the lists show them.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/list_box.h"

class DriveListBox : public ComboBox {
public:
    explicit DriveListBox(QWidget* parent);
    // The root folder of the chosen volume.
    std::string Drive() const;
    // Chooses the volume that holds the path; runs Change when it differs.
    void SetDrive(const std::string& path);

    // The user or the program chose another volume.
    std::function<void()> DriveChange;

private:
    std::vector<std::string> roots_;
    std::string drive_;
};

class DirListBox : public ListBox {
public:
    explicit DirListBox(QWidget* parent);
    std::string Path() const { return path_; }
    // Shows the folder; runs PathChange when it differs from the one shown.
    void SetPath(const std::string& path);

    std::function<void()> PathChange;

private:
    void Fill();
    std::string path_;
    std::vector<std::string> rowPaths_;
};

class FileListBox : public ListBox {
public:
    explicit FileListBox(QWidget* parent);
    std::string Path() const { return path_; }
    void SetPath(const std::string& path);
    // One pattern such as "*.ORB", or several separated by ";"; letter case
    // is ignored, as the original file system did.
    std::string Pattern() const { return pattern_; }
    void SetPattern(const std::string& pattern);
    // The highlighted file's name; "" when none is highlighted.
    std::string FileName() const;
    // Selects the file of that name when it is listed.
    void SetFileName(const std::string& name);

private:
    void Fill();
    std::string path_;
    std::string pattern_ = "*.*";
    std::vector<std::string> names_;
};
