#include "platform/font_registry.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <set>

namespace {

// The ids this program added and has not removed yet: the font database
// itself accepts a second removal of the same id.
std::set<int>& AddedIds() {
    static std::set<int> ids;
    return ids;
}

}  // namespace

RegisteredFont AddFontFile(const std::string& path) {
    RegisteredFont font;
    font.Id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    if (font.Id < 0) return font;
    AddedIds().insert(font.Id);
    for (const QString& family : QFontDatabase::applicationFontFamilies(font.Id))
        font.Families.push_back(family.toStdString());
    return font;
}

bool RemoveFontFile(int id) {
    if (AddedIds().erase(id) == 0) return false;
    return QFontDatabase::removeApplicationFont(id);
}

bool FontFamilyAvailable(const std::string& family) {
    return QFontDatabase::families().contains(QString::fromStdString(family), Qt::CaseInsensitive);
}
