// Controls keep the original runtime's event rules: handlers run from code
// as from the user, once, and only on a real change.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/ui/choice_controls.h"
#include "platform/ui/list_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

TEST(UiControls, OptionButtonSetFromCodeClicksOnlyItself) {
    QWidget window;
    Frame frame(&window, "Ea/We");
    OptionButton optEast(frame.Container(), "E");
    OptionButton optWest(frame.Container(), "W");
    Frame other(&window, "No/So");
    OptionButton optNorth(other.Container(), "N");
    int east = 0, west = 0, north = 0;
    optEast.Click = [&] { ++east; };
    optWest.Click = [&] { ++west; };
    optNorth.Click = [&] { ++north; };
    optNorth.SetValue(true);
    ASSERT_EQ(north, 1);

    optWest.SetValue(true);
    EXPECT_EQ(west, 1);
    EXPECT_EQ(east, 0);
    optEast.SetValue(true);
    EXPECT_EQ(east, 1);
    EXPECT_EQ(west, 1);  // the partner is cleared without a Click
    EXPECT_FALSE(optWest.Value());
    EXPECT_TRUE(optNorth.Value());  // another frame is another group
    optEast.SetValue(true);          // already set: nothing runs
    EXPECT_EQ(east, 1);

    // A user's click on the other button behaves the same.
    window.show();
    QRadioButton* westWidget = static_cast<QRadioButton*>(optWest.Widget());
    westWidget->resize(60, 20);
    QTest::mouseClick(westWidget, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(west, 2);
    EXPECT_EQ(east, 1);
    EXPECT_FALSE(optEast.Value());
    EXPECT_EQ(north, 1);
}

TEST(UiControls, TextBoxChangeRunsOnEveryRealChangeOnly) {
    QWidget window;
    TextBox txtBirthHour(&window);
    std::vector<std::string> seen;
    // The hour rule: a value above 12 is brought down by 12, from inside
    // its own Change handler, which then runs again at once.
    txtBirthHour.Change = [&] {
        seen.push_back(txtBirthHour.Text());
        int hour = std::atoi(txtBirthHour.Text().c_str());
        if (hour > 12) txtBirthHour.SetText(std::to_string(hour - 12));
    };
    txtBirthHour.SetText("5");
    EXPECT_EQ(seen, (std::vector<std::string>{"5"}));
    txtBirthHour.SetText("5");
    EXPECT_EQ(seen.size(), 1u);
    txtBirthHour.SetText("27");
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "27", "15", "3"}));
    EXPECT_EQ(txtBirthHour.Text(), "3");

    // Typing: each key is one change.
    seen.clear();
    txtBirthHour.SetText("");
    seen.clear();
    QTest::keyClicks(txtBirthHour.LineEdit(), "15");
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "15", "3"}));

    // 8-bit text passes through unchanged.
    txtBirthHour.Change = nullptr;
    txtBirthHour.SetText("Z\xFCrich");
    EXPECT_EQ(txtBirthHour.Text(), "Z\xFCrich");
}

TEST(UiControls, KeyPressFilterSwallowsAndReplacesKeys) {
    QWidget window;
    TextBox text1(&window);
    std::vector<int> codes;
    // Digits and Backspace only; a lower-case x is typed as X.
    text1.KeyPress = [&](int& key) {
        codes.push_back(key);
        if (key == 'x') key = 'X';
        else if (!(key >= '0' && key <= '9') && key != 8 && key != 'X') key = 0;
    };
    int changes = 0;
    text1.Change = [&] { ++changes; };
    QTest::keyClicks(text1.LineEdit(), "1a2x");
    EXPECT_EQ(text1.Text(), "12X");
    EXPECT_EQ(codes, (std::vector<int>{'1', 'a', '2', 'x'}));
    EXPECT_EQ(changes, 3);  // the swallowed key changed nothing
    QTest::keyClick(text1.LineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(codes.back(), 8);
    EXPECT_EQ(text1.Text(), "12");
    // Keys without a character (arrows) never reach the filter.
    QTest::keyClick(text1.LineEdit(), Qt::Key_Left);
    EXPECT_EQ(codes.size(), 5u);

    text1.KeyPress = nullptr;
    text1.SetMaxLength(3);
    QTest::keyClicks(text1.LineEdit(), "456");
    EXPECT_EQ(text1.Text(), "124");
    EXPECT_EQ(text1.MaxLength(), 3);
}

TEST(UiControls, CheckBoxClicksWhenValueChanges) {
    QWidget window;
    CheckBox chk2ndPerson(&window, "2nd Person");
    int clicks = 0;
    chk2ndPerson.Click = [&] { ++clicks; };
    chk2ndPerson.SetValue(1);
    EXPECT_EQ(clicks, 1);
    chk2ndPerson.SetValue(1);
    EXPECT_EQ(clicks, 1);
    chk2ndPerson.SetValue(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(chk2ndPerson.Value(), 0);
    static_cast<QCheckBox*>(chk2ndPerson.Widget())->click();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(chk2ndPerson.Value(), 1);
}

TEST(UiControls, SortedListKeepsEachRowsRecordIndex) {
    QWidget window;
    ListBox namesOnFile(&window, true);
    const std::vector<std::string> records = {"Zed", "adam", "Mary Smith", "Bob", "mary jones",
                                              "\xC9mile", "Eva", "\xD6zil"};
    for (std::size_t k = 0; k < records.size(); ++k) {
        namesOnFile.AddItem(records[k]);
        namesOnFile.SetItemData(namesOnFile.NewIndex(), static_cast<long>(k));
    }
    ASSERT_EQ(namesOnFile.ListCount(), 8);
    // Accented names sort among their letters, not after "Z".
    const std::vector<std::string> order = {"adam", "Bob", "\xC9mile", "Eva", "mary jones", "Mary Smith",
                                            "\xD6zil", "Zed"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(namesOnFile.List(i), order[static_cast<std::size_t>(i)]);
        EXPECT_EQ(records[static_cast<std::size_t>(namesOnFile.ItemData(i))], namesOnFile.List(i));
    }

    int clicks = 0, doubles = 0;
    namesOnFile.Click = [&] { ++clicks; };
    namesOnFile.DblClick = [&] { ++doubles; };
    EXPECT_EQ(namesOnFile.ListIndex(), -1);
    namesOnFile.SetListIndex(4);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(namesOnFile.Text(), "mary jones");
    namesOnFile.SetListIndex(4);
    EXPECT_EQ(clicks, 1);

    // A mouse click on a row runs Click once; a double click runs DblClick.
    window.show();
    auto* list = static_cast<QListWidget*>(namesOnFile.Widget());
    list->resize(200, 200);
    const QPoint row0 = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(namesOnFile.ListIndex(), 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row0);
    EXPECT_EQ(doubles, 1);

    namesOnFile.RemoveItem(0);
    EXPECT_EQ(namesOnFile.List(0), "Bob");
    EXPECT_EQ(namesOnFile.ItemData(0), 3);
    namesOnFile.Clear();
    EXPECT_EQ(namesOnFile.ListCount(), 0);
    EXPECT_EQ(namesOnFile.ListIndex(), -1);
}

TEST(UiControls, ComboBoxListAndEnabledVisible) {
    QWidget window;
    ComboBox combo(&window, false, true);
    combo.AddItem("b");
    combo.AddItem("a");
    combo.SetItemData(combo.NewIndex(), 7);
    EXPECT_EQ(combo.List(0), "a");
    EXPECT_EQ(combo.ItemData(0), 7);
    EXPECT_EQ(combo.ListIndex(), -1);
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    combo.SetListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.Text(), "b");

    CommandButton cmdOK(&window, "&OK");
    int pressed = 0;
    cmdOK.Click = [&] { ++pressed; };
    cmdOK.PerformClick();
    cmdOK.SetEnabled(false);
    cmdOK.PerformClick();
    EXPECT_EQ(pressed, 1);
    EXPECT_FALSE(cmdOK.Enabled());
    cmdOK.SetVisible(false);
    EXPECT_FALSE(cmdOK.Visible());
    cmdOK.Move(150, 300, 1200, 450);
    EXPECT_NEAR(cmdOK.Width(), 1200, TwipsPerPixelX());
    EXPECT_NEAR(cmdOK.Left(), 150, TwipsPerPixelX());
}

TEST(UiControls, SelectionMadeOnFocusSurvivesTheClickThatGaveTheFocus) {
    QWidget window;
    TextBox first(&window), second(&window);
    second.Widget()->move(0, 40);
    second.SetText("12");
    second.GotFocus = [&second] { second.SelectAll(); };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.SetFocus();
    QTest::mouseClick(second.LineEdit(), Qt::LeftButton, {}, QPoint(4, 4));
    QCoreApplication::processEvents();
    EXPECT_EQ(second.LineEdit()->selectedText().toStdString(), "12");
    QTest::keyClicks(second.LineEdit(), "3");
    EXPECT_EQ(second.Text(), "3");
}
