#include "platform/ui/list_box.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <cctype>

#include "platform/text_file.h"

namespace {

// A text as the alphabet orders it: accents dropped and letter case folded,
// so "\xC9mile" sorts among the E's as a user expects, not after "Z".
QString AlphabetKey(const std::string& text) {
    const QString decomposed = FromCp1252(text).normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) key += c;
    return key.toCaseFolded();
}

int CompareNoCaseBytes(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Alphabetical first; texts equal in the alphabet by their letters' codes.
int CompareNoCase(const std::string& a, const std::string& b) {
    const int byAlphabet = AlphabetKey(a).compare(AlphabetKey(b));
    if (byAlphabet != 0) return byAlphabet < 0 ? -1 : 1;
    return CompareNoCaseBytes(a, b);
}

constexpr int kItemDataRole = Qt::UserRole + 1;

}  // namespace

int SortedInsertPosition(int count, const std::function<std::string(int)>& at, const std::string& text) {
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (CompareNoCase(at(mid), text) <= 0) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo;
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(QWidget* parent, bool sorted) : Control(new QListWidget(parent)), sorted_(sorted) {
    list_ = static_cast<QListWidget*>(Widget());
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A keyboard move runs Click at once; a mouse press waits for the
    // release, so one click runs Click once even on the row already selected.
    QObject::connect(list_, &QListWidget::currentRowChanged, Context(), [this](int) {
        if (settingFromCode_ || QApplication::mouseButtons() != Qt::NoButton) return;
        if (Click) Click();
    });
    QObject::connect(list_, &QListWidget::itemClicked, Context(), [this](QListWidgetItem*) {
        if (Click) Click();
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, Context(), [this](QListWidgetItem*) {
        if (DblClick) DblClick();
    });
}

void ListBox::AddItem(const std::string& text, int index) {
    const int count = list_->count();
    int row = count;
    if (sorted_) {
        row = SortedInsertPosition(count, [this](int i) { return List(i); }, text);
    } else if (index >= 0 && index <= count) {
        row = index;
    }
    auto* item = new QListWidgetItem(FromCp1252(text));
    item->setData(kItemDataRole, QVariant::fromValue<qlonglong>(0));
    QSignalBlocker block(list_);
    list_->insertItem(row, item);
    newIndex_ = row;
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= list_->count()) return;
    QSignalBlocker block(list_);
    delete list_->takeItem(index);
}

void ListBox::Clear() {
    QSignalBlocker block(list_);
    list_->clear();
    newIndex_ = -1;
}

int ListBox::ListCount() const { return list_->count(); }

std::string ListBox::List(int index) const {
    const QListWidgetItem* item = list_->item(index);
    return item ? ToCp1252(item->text()) : std::string();
}

void ListBox::SetList(int index, const std::string& text) {
    if (QListWidgetItem* item = list_->item(index)) item->setText(FromCp1252(text));
}

long ListBox::ItemData(int index) const {
    const QListWidgetItem* item = list_->item(index);
    return item ? static_cast<long>(item->data(kItemDataRole).toLongLong()) : 0;
}

void ListBox::SetItemData(int index, long value) {
    if (QListWidgetItem* item = list_->item(index)) item->setData(kItemDataRole, QVariant::fromValue<qlonglong>(value));
}

int ListBox::ListIndex() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->row(item) : -1;
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= list_->count()) return;
    if (index == ListIndex()) return;
    settingFromCode_ = true;
    if (index < 0) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    } else {
        list_->setCurrentRow(index);
    }
    settingFromCode_ = false;
    if (Click) Click();
}

std::string ListBox::Text() const {
    const int i = ListIndex();
    return i >= 0 ? List(i) : std::string();
}

int ListBox::TopIndex() const {
    const QListWidgetItem* item = list_->itemAt(0, 0);
    return item ? list_->row(item) : 0;
}

void ListBox::SetTopIndex(int index) {
    if (QListWidgetItem* item = list_->item(index)) list_->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void ListBox::SetRedraw(bool on) { list_->setUpdatesEnabled(on); }

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(QWidget* parent, bool editable, bool sorted) : Control(new QComboBox(parent)), sorted_(sorted) {
    combo_ = static_cast<QComboBox*>(Widget());
    combo_->setEditable(editable);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo_, &QComboBox::activated, Context(), [this](int) {
        if (Click) Click();
    });
    if (editable) {
        QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, Context(), [this](const QString&) {
            if (Change) Change();
        });
    }
}

void ComboBox::AddItem(const std::string& text, int index) {
    const int count = combo_->count();
    int row = count;
    if (sorted_) {
        row = SortedInsertPosition(count, [this](int i) { return List(i); }, text);
    } else if (index >= 0 && index <= count) {
        row = index;
    }
    QSignalBlocker block(combo_);
    const QString current = combo_->currentText();
    combo_->insertItem(row, FromCp1252(text), QVariant::fromValue<qlonglong>(0));
    // Adding a row never selects it, as in the original.
    if (count == 0) {
        combo_->setCurrentIndex(-1);
        if (combo_->isEditable()) combo_->setEditText(current);
    }
    newIndex_ = row;
}

void ComboBox::RemoveItem(int index) {
    QSignalBlocker block(combo_);
    combo_->removeItem(index);
}

void ComboBox::Clear() {
    QSignalBlocker block(combo_);
    combo_->clear();
    newIndex_ = -1;
}

int ComboBox::ListCount() const { return combo_->count(); }
std::string ComboBox::List(int index) const { return ToCp1252(combo_->itemText(index)); }
long ComboBox::ItemData(int index) const { return static_cast<long>(combo_->itemData(index).toLongLong()); }
void ComboBox::SetItemData(int index, long value) { combo_->setItemData(index, QVariant::fromValue<qlonglong>(value)); }
int ComboBox::ListIndex() const { return combo_->currentIndex(); }

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= combo_->count() || index == combo_->currentIndex()) return;
    {
        QSignalBlocker block(combo_);
        combo_->setCurrentIndex(index);
    }
    if (Click) Click();
}

std::string ComboBox::Text() const { return ToCp1252(combo_->currentText()); }

void ComboBox::SetText(const std::string& text) {
    if (!combo_->isEditable() || Text() == text) return;
    {
        QSignalBlocker block(combo_);
        combo_->setEditText(FromCp1252(text));
    }
    if (Change) Change();
}
