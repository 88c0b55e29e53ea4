#include "people/atlas_link.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "people/city_record.h"
#include "people/people_state.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

const char* const kAtlasProgram = "ATLAS.EXE";

// Folder texts may use the "\" of the hand-over files; this system's paths use "/".
std::string LocalPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool EndsWithSeparator(const std::string& s) { return !s.empty() && (s.back() == '/' || s.back() == '\\'); }

bool IsRunnable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// A number as shown in a message: a blank before a non-negative one.
std::string SignedText(float value) {
    const std::string s = PlainNumberText(static_cast<double>(value));
    return value >= 0 ? " " + s : s;
}

void SplitAtLetter(const std::string& text, double& degrees, double& minutes) {
    const auto letter = std::find_if(text.begin(), text.end(),
                                     [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    const size_t pos = static_cast<size_t>(letter - text.begin());
    degrees = Val(text.substr(0, pos));
    minutes = pos < text.size() ? Val(text.substr(pos + 1, 2)) : 0.0;
}

void MissingFile(const std::string& text) { MsgBox(text, MsgButtons::OK, "Warning!", MsgIcon::Critical); }

}  // namespace

bool ShellAndWait(const std::string& program) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QString::fromStdString(program), QStringList());
    if (!process.waitForStarted(-1)) return false;
    process.waitForFinished(-1);
    return true;
}

std::string FindAtlasProgram(const std::string& atlasDir) {
    if (!atlasDir.empty()) {
        const std::string path = LocalPath(atlasDir) + kAtlasProgram;
        return IsRunnable(QString::fromStdString(path)) ? path : std::string();
    }
    const QString own = QCoreApplication::applicationDirPath() + "/" + kAtlasProgram;
    if (IsRunnable(own)) return own.toStdString();
    return QStandardPaths::findExecutable(kAtlasProgram).toStdString();
}

void AtlasLookup(PeopleState& people, std::string& atlasDir) {
    std::string program;
    for (;;) {
        program = FindAtlasProgram(atlasDir);
        if (!program.empty() && ShellAndWait(program)) break;
        atlasDir.clear();
        const auto answer = InputBox(
            "Enter the complete path for where ATLAS.EXE resides: \r\n\r\n"
            "(Example: c:\\atlas OR c:\\charts\\atlas OR d:\\windows\\atlas\\)",
            "Where do I find ATLAS.EXE?", "");
        if (!answer || answer->empty()) {
            people.AtlasDataFlag = 0;
            return;
        }
        // The answer is typed text; as a folder it becomes a path.
        const std::string folder = TextToPath(*answer);
        atlasDir = EndsWithSeparator(folder) ? folder : folder + "/";
    }

    // The hand-over files lie in the folder the program was run from.
    const std::string programFolder = QFileInfo(QString::fromStdString(program)).absolutePath().toStdString() + "/";
    const std::string shownFolder = atlasDir.empty() ? programFolder : atlasDir;
    const auto pathLines = ReadTextLines(programFolder + "PCATPATH.TXT");
    if (!pathLines || pathLines->empty()) {
        MissingFile("Cannot find the file called PCATPATH in the " + PathToText(shownFolder) + " directory.");
        people.AtlasDataFlag = 0;
        return;
    }
    // The line is text in the file's code page; the folder it names is a path.
    people.AtlasResultFolder = TextToPath((*pathLines)[0]);

    // A blank folder line names no folder: the result is not looked for in
    // whatever folder the program happens to run in.
    const auto result = people.AtlasResultFolder.empty()
                            ? std::nullopt
                            : ReadTextLines(LocalPath(people.AtlasResultFolder + "TSRTEMP.TXT"));
    if (!result || result->size() < 5) {
        MissingFile("Cannot find the file called TSRTEMP.TXT in the " + PathToText(people.AtlasResultFolder) +
                    " directory.");
        people.AtlasDataFlag = 0;
        return;
    }
    people.AtlasLatitudeText = (*result)[1];
    people.AtlasLongitudeText = (*result)[2];
    people.AtlasZone = static_cast<float>(Val((*result)[4]));

    const std::string prompt = "Accept following data? \r\n\r\nLongitude = " + people.AtlasLongitudeText +
                               "\r\nLatitude  = " + people.AtlasLatitudeText +
                               "\r\nTime zone = " + SignedText(people.AtlasZone);
    people.AtlasAnswer =
        MsgBox(prompt, MsgButtons::YesNo, "Accept or Reject data", MsgIcon::Question) == MsgResult::Yes ? 6 : 7;
}

AtlasPlace AtlasPlaceValues(const PeopleState& people) {
    AtlasPlace p;
    SplitAtLetter(people.AtlasLongitudeText, p.LongDeg, p.LongMin);
    p.West = people.AtlasLongitudeText.find('W') != std::string::npos;
    SplitAtLetter(people.AtlasLatitudeText, p.LatDeg, p.LatMin);
    p.North = people.AtlasLatitudeText.find('N') != std::string::npos;
    p.Zone = people.AtlasZone;
    return p;
}

bool AtlasDataAccepted(const PeopleState& people) { return people.AtlasAnswer == 6 && people.AtlasDataFlag == 1; }
