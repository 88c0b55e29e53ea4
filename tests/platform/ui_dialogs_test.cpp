// The Qt dialogs answer with the original button sets, and the test
// responder records prompts and fails on one nobody expected.
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "dialog_responder.h"
#include "platform/ui/qt_dialog_handler.h"

namespace {

// Runs once the next modal dialog is up.
template <class F>
void WhenModal(F f) {
    QTimer::singleShot(0, [f] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) {
            f(w);
        } else {
            ADD_FAILURE() << "no modal dialog";
        }
    });
}

}  // namespace

TEST(UiDialogs, ResponderRecordsPromptsAndAnswersInTurn) {
    DialogResponder responder;
    responder.Answer(MsgResult::No).AnswerText("Jane").AnswerText(std::nullopt);
    EXPECT_EQ(MsgBoxWithDefault("Click 'YES' for full page chartwheel.", MsgButtons::YesNoCancel, 3,
                                "Full page or half page chartwheel", MsgIcon::Question),
              MsgResult::No);
    EXPECT_EQ(InputBox("Name?", "Input", "Now"), std::optional<std::string>("Jane"));
    FileChooserRequest request;
    request.patterns = {"*.ORB"};
    request.title = "Select orb file";
    EXPECT_EQ(ChooseFile(request), std::nullopt);

    ASSERT_EQ(responder.Prompts().size(), 3u);
    const RecordedPrompt& box = responder.Prompts()[0];
    EXPECT_EQ(box.title, "Full page or half page chartwheel");
    EXPECT_EQ(box.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.defaultButton, 3);
    EXPECT_EQ(responder.Prompts()[1].defaultText, "Now");
    EXPECT_EQ(responder.Prompts()[2].fileRequest.patterns[0], "*.ORB");
    EXPECT_EQ(responder.UnusedAnswers(), 0u);
}

TEST(UiDialogs, UnexpectedPromptFailsAndTakesTheSafeWayOut) {
    DialogHandler* before = CurrentDialogHandler();
    {
        DialogResponder responder;
        EXPECT_EQ(CurrentDialogHandler(), &responder);
        MsgResult answer = MsgResult::OK;
        EXPECT_NONFATAL_FAILURE(answer = MsgBox("Save?", MsgButtons::YesNoCancel), "Unexpected prompt");
        EXPECT_EQ(answer, MsgResult::Cancel);
        EXPECT_NONFATAL_FAILURE(answer = MsgBox("Go on?", MsgButtons::YesNo), "Unexpected prompt");
        EXPECT_EQ(answer, MsgResult::No);
    }
    EXPECT_EQ(CurrentDialogHandler(), before);
}

TEST(UiDialogs, QtMessageBoxShowsTheButtonSetAndTitle) {
    QtDialogHandler handler;
    ScopedDialogHandler install(&handler);
    QString title, text;
    int buttons = 0;
    bool cancelIsDefault = false;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MsgBoxWithDefault("Keep changes?", MsgButtons::YesNoCancel, 3, "Warning!", MsgIcon::Exclamation),
              MsgResult::No);
    EXPECT_EQ(title, "Warning!");
    EXPECT_EQ(text, "Keep changes?");
    EXPECT_EQ(buttons, 3);
    EXPECT_TRUE(cancelIsDefault);

    WhenModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ignore)->click(); });
    EXPECT_EQ(MsgBox("Disk error", MsgButtons::AbortRetryIgnore), MsgResult::Ignore);
    // Esc on Retry/Cancel answers Cancel.
    WhenModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->reject(); });
    EXPECT_EQ(MsgBox("Printer not ready", MsgButtons::RetryCancel), MsgResult::Cancel);
}

// A Yes/No box has no Cancel: Esc and the frame's close button leave it open
// until Yes or No is clicked. Sets with a Cancel (or a lone OK) close by them.
TEST(UiDialogs, QtYesNoBoxWaitsForYesOrNo) {
    QtDialogHandler handler;
    ScopedDialogHandler install(&handler);
    struct Case {
        MsgButtons buttons;
        bool closable;
        MsgResult escape;  // what Esc answers on a box that closes by it
    };
    const Case cases[] = {{MsgButtons::YesNo, false, MsgResult::Yes},
                          {MsgButtons::YesNoCancel, true, MsgResult::Cancel},
                          {MsgButtons::RetryCancel, true, MsgResult::Cancel},
                          {MsgButtons::OK, true, MsgResult::OK}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        bool openAfterEscape = false, openAfterClose = false, closeAccepted = true;
        WhenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, Qt::Key_Escape);
            openAfterEscape = box->isVisible();
            if (!openAfterEscape) return;
            QCloseEvent frameClose;
            QCoreApplication::sendEvent(box, &frameClose);
            closeAccepted = frameClose.isAccepted();
            openAfterClose = box->isVisible() && !box->close();
            box->button(QMessageBox::Yes)->click();
        });
        EXPECT_EQ(MsgBox("Jane Doe already exists. Replace?", c.buttons, "Jane Doe already exists", MsgIcon::Question),
                  c.escape);
        EXPECT_EQ(openAfterEscape, !c.closable);
        if (!c.closable) {
            EXPECT_FALSE(closeAccepted);
            EXPECT_TRUE(openAfterClose);
        }
    }
}

TEST(UiDialogs, QtInputBoxAndFileChooserCancel) {
    QtDialogHandler handler;
    ScopedDialogHandler install(&handler);
    WhenModal([](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->textValue(), "287");
        dialog->setTextValue("300");
        dialog->accept();
    });
    EXPECT_EQ(InputBox("Start scale", "Scale", "287"), std::optional<std::string>("300"));
    // A long caption widens the box, so the window frame need not cut it.
    const std::string longTitle = "Number of Years to scan for the best days of the couple";
    int width = 0, titleWidth = 0;
    WhenModal([&](QWidget* w) {
        w->adjustSize();
        width = w->width();
        titleWidth = w->fontMetrics().horizontalAdvance(w->windowTitle());
        qobject_cast<QDialog*>(w)->reject();
    });
    InputBox("Years?", longTitle, "1");
    EXPECT_GE(width, titleWidth + 150);
    EXPECT_EQ(InputBoxMinimumWidth(10), 300);
    WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(InputBox("Start scale", "Scale", "287"), std::nullopt);

    FileChooserRequest request;
    request.title = "Select new orb file";
    request.patterns = {"*.ORB"};
    QString filter;
    WhenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        filter = dialog->nameFilters().join(";;");
        dialog->close();  // closing by the frame is Cancel
    });
    EXPECT_EQ(ChooseFile(request), std::nullopt);
    EXPECT_TRUE(filter.contains("*.ORB"));
    EXPECT_TRUE(filter.contains("*.orb"));
}
