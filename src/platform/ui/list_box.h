#pragma once
// List boxes and combo boxes with the original runtime's model: rows by
// index from 0, ListIndex -1 when nothing is selected, a number (ItemData)
// carried with each row, and, when sorted, each new row placed in
// alphabetical order (letter case ignored) so that the ItemData of a row
// still names its record after sorting.
#include <functional>
#include <string>

#include "platform/ui/control_base.h"

class QListWidget;
class QComboBox;

class ListBox : public Control {
public:
    explicit ListBox(QWidget* parent, bool sorted = false);

    bool Sorted() const { return sorted_; }
    // Adds a row (at index when given and the list is not sorted); the row's
    // index is then NewIndex.
    void AddItem(const std::string& text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    std::string List(int index) const;
    void SetList(int index, const std::string& text);
    long ItemData(int index) const;
    void SetItemData(int index, long value);
    int NewIndex() const { return newIndex_; }
    // The selected row, -1 for none. Setting it from code runs Click when the
    // selection changes.
    int ListIndex() const;
    void SetListIndex(int index);
    // Text of the selected row; empty when none.
    std::string Text() const;
    int TopIndex() const;
    void SetTopIndex(int index);
    // Stops and resumes redrawing while the list is filled.
    void SetRedraw(bool on);

    std::function<void()> Click;
    std::function<void()> DblClick;

private:
    QListWidget* list_;
    bool sorted_;
    int newIndex_ = -1;
    bool settingFromCode_ = false;
};

// A drop-down list (not editable) or a drop-down combo (editable text).
class ComboBox : public Control {
public:
    explicit ComboBox(QWidget* parent, bool editable = false, bool sorted = false);

    void AddItem(const std::string& text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const;
    std::string List(int index) const;
    long ItemData(int index) const;
    void SetItemData(int index, long value);
    int NewIndex() const { return newIndex_; }
    int ListIndex() const;
    void SetListIndex(int index);
    std::string Text() const;
    // Editable combos only; runs Change when the text changes.
    void SetText(const std::string& text);

    std::function<void()> Click;   // a row was chosen
    std::function<void()> Change;  // the edit text changed

private:
    QComboBox* combo_;
    bool sorted_;
    int newIndex_ = -1;
};

// Where a new text goes in a list kept in order: after every row that is
// not greater, letter case and accents ignored ("\xC9mile" between "Edna" and
// "Eva"). at(i) gives the text of row i.
int SortedInsertPosition(int count, const std::function<std::string(int)>& at, const std::string& text);
