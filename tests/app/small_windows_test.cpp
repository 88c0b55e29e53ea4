// The start-up notice, About, the tip of the day, the progress bar, the file
// chooser and the sunken frames.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QStorageInfo>
#include <QTest>

#include "app/ui/control_frames.h"
#include "platform/recording_surface.h"
#include "window_fixture.h"

namespace {

using SmallWindows = WindowTest;

bool IsLightRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 140 && qBlue(p) < 140; }

}  // namespace

TEST_F(SmallWindows, TitleWaitsForItsOkButton) {
    ps.settings.TitleAcknowledged = 0;
    TITLE& title = FormOf<TITLE>();
    EXPECT_TRUE(title.isVisible());
    EXPECT_EQ(title.Caption(), "TANDRELL");
    EXPECT_EQ(title.lblVersion.Caption(), "Version 1.30");
    EXPECT_FALSE(title.cmdOK.Visible());
    EXPECT_EQ(ps.settings.TitleAcknowledged, 0);

    title.cmdOK.SetVisible(true);
    title.cmdOK.PerformClick();
    EXPECT_EQ(ps.settings.TitleAcknowledged, 1);
    EXPECT_FALSE(FormLoaded<TITLE>());

    // Closed by its frame, start-up still goes on.
    ps.settings.TitleAcknowledged = 0;
    FormOf<TITLE>().close();
    EXPECT_EQ(ps.settings.TitleAcknowledged, 1);
    EXPECT_FALSE(FormLoaded<TITLE>());
}

TEST_F(SmallWindows, AboutDrawsItsTitleAndClosesOnAClick) {
    About& about = FormOf<About>();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.Caption(), "About");
    EXPECT_EQ(about.lblVersion.Caption(), "Version  1.30");
    const QImage picture = about.Container()->grab().toImage();
    int yellow = 0, black = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) < 40) ++yellow;
            if (qRed(p) < 30 && qGreen(p) < 30 && qBlue(p) < 30) ++black;
        }
    EXPECT_GT(yellow, 50);
    EXPECT_GT(black, 50);
    QTest::mouseClick(about.Container(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(FormLoaded<About>());
}

TEST_F(SmallWindows, TipsWrapAroundBothWays) {
    testsupport::WriteBytes(AppFile("TIPOFDAY.TXT"), "first tip\r\n\r\nthird tip\r\n");
    frmTip& tip = FormOf<frmTip>();
    EXPECT_EQ(tip.Caption(), "Tip of the Day");
    EXPECT_EQ(tip.Tips.size(), 3u);
    EXPECT_EQ(tip.CurrentTip, 1);
    EXPECT_EQ(tip.lblTipText.Caption(), "first tip");

    tip.cmdNextTip.PerformClick();
    EXPECT_EQ(tip.lblTipText.Caption(), "");  // an empty line is a tip of its own
    tip.cmdNextTip.PerformClick();
    EXPECT_EQ(tip.lblTipText.Caption(), "third tip");
    tip.cmdNextTip.PerformClick();
    EXPECT_EQ(tip.CurrentTip, 1);
    EXPECT_EQ(tip.lblTipText.Caption(), "first tip");
    tip.Command1.PerformClick();
    EXPECT_EQ(tip.CurrentTip, 3);
    EXPECT_EQ(tip.lblTipText.Caption(), "third tip");

    // Each opening starts again at the first tip.
    tip.cmdOK.PerformClick();
    EXPECT_FALSE(FormLoaded<frmTip>());
    EXPECT_EQ(FormOf<frmTip>().lblTipText.Caption(), "first tip");
}

TEST_F(SmallWindows, MissingTipsFileIsSaidInTheTip) {
    QFile::remove(QString::fromStdString(AppFile("TIPOFDAY.TXT")));
    frmTip& tip = FormOf<frmTip>();
    EXPECT_EQ(tip.Label1.Caption(), "Did you know...");
    EXPECT_EQ(tip.lblTipText.Caption(), "that the TIPOFDAY.TXT file was not found?");
    tip.cmdNextTip.PerformClick();
    tip.Command1.PerformClick();
    EXPECT_EQ(tip.lblTipText.Caption(), "that the TIPOFDAY.TXT file was not found?");
}

TEST_F(SmallWindows, ProgressBarGrowsAndStopsAtFullWidth) {
    ShowProgress(25, 100);
    ASSERT_TRUE(FormLoaded<StatusDlg>());
    StatusDlg& dlg = FormOf<StatusDlg>();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Caption(), "% Completed");
    QImage bar = dlg.Picture2.Picture();
    const int w = bar.width(), mid = bar.height() / 2;
    EXPECT_TRUE(IsLightRed(bar.pixel(2, mid)));
    EXPECT_FALSE(IsLightRed(bar.pixel(w / 2, mid)));

    ShowProgress(100, 100);
    bar = dlg.Picture2.Picture();
    EXPECT_TRUE(IsLightRed(bar.pixel(w - 1, mid)));

    // Past 100 percent the bar is full, and no wider than the box.
    dlg.Picture2.Surface().Cls();
    ShowProgress(150, 100);
    bar = dlg.Picture2.Picture();
    EXPECT_TRUE(IsLightRed(bar.pixel(w - 1, mid)));
    EXPECT_TRUE(IsLightRed(bar.pixel(0, 0)));

    // A total below 1 draws nothing.
    dlg.Picture2.Surface().Cls();
    ShowProgress(5, 0);
    EXPECT_FALSE(IsLightRed(dlg.Picture2.Picture().pixel(2, mid)));
}

TEST_F(SmallWindows, FileChooserSelectsCancelsAndClosesByItsFrame) {
    testsupport::WriteBytes(AppFile("lower.orb"), "1\r\n");
    int hookRuns = 0;
    SetFileChosenHook([&] { ++hookRuns; });

    SelectFIle& chooser = FormOf<SelectFIle>();
    EXPECT_EQ(chooser.Caption(), "Select a File");
    EXPECT_EQ(chooser.dirList.Path(), QDir(QString::fromStdString(ps.settings.AppPath)).canonicalPath().toStdString());
    chooser.filList.SetPattern("*.ORB");
    ASSERT_EQ(chooser.filList.ListCount(), 2);  // letter case ignored
    EXPECT_EQ(chooser.filList.List(0), "lower.orb");
    EXPECT_EQ(chooser.filList.List(1), "NATAL.ORB");

    // Select with nothing highlighted keeps the caller's starting value.
    ps.settings.ChosenFile = "start.ORB";
    chooser.cmdSelect.PerformClick();
    EXPECT_EQ(ps.settings.ChosenFile, "start.ORB");
    EXPECT_EQ(hookRuns, 1);
    EXPECT_FALSE(FormLoaded<SelectFIle>());

    // A highlighted file: the folder, one slash, the name.
    SelectFIle& again = FormOf<SelectFIle>();
    again.filList.SetPattern("*.ORB");
    again.filList.SetFileName("NATAL.ORB");
    again.filList_DblClick();
    EXPECT_EQ(ps.settings.ChosenFile, again.filList.Path() + "/NATAL.ORB");
    EXPECT_TRUE(FileExists(ps.settings.ChosenFile));

    // Cancel, and closing by the frame, give no choice.
    FormOf<SelectFIle>().cmdCancel.PerformClick();
    EXPECT_EQ(ps.settings.ChosenFile, "");
    ps.settings.ChosenFile = "start.ORB";
    SelectFIle& framed = FormOf<SelectFIle>();
    framed.Show(false);
    framed.close();
    EXPECT_EQ(ps.settings.ChosenFile, "");
    EXPECT_FALSE(FormLoaded<SelectFIle>());
    EXPECT_EQ(hookRuns, 2);
}

TEST_F(SmallWindows, FileChooserFollowsFolderAndDrive) {
    const std::string sub = AppFile("SUB");
    QDir().mkpath(QString::fromStdString(sub));
    testsupport::WriteBytes(JoinPath(sub, "OTHER.FIL"), "x\r\n");
    SelectFIle& chooser = FormOf<SelectFIle>();
    chooser.filList.SetPattern("*.FIL");
    EXPECT_EQ(chooser.filList.ListCount(), 0);
    chooser.dirList.SetPath(sub);
    ASSERT_EQ(chooser.filList.ListCount(), 1);
    EXPECT_EQ(chooser.filList.FileName(), "");
    // The drive list stands on the program folder's volume; choosing a
    // drive takes the folder list to its root.
    EXPECT_EQ(chooser.drvList.Drive(), QStorageInfo(QString::fromStdString(ps.settings.AppPath)).rootPath().toStdString());
    chooser.drvList_Change();
    EXPECT_EQ(chooser.dirList.Path(), chooser.drvList.Drive());
    EXPECT_EQ(chooser.filList.Path(), chooser.dirList.Path());
}

TEST(ControlFrames, OneLinePerPixelOfThicknessOutsideTheRectangle) {
    RecordingSurface surface(640, 480, 96);
    surface.SetScaleMode(ScaleUnit::Twips);
    FrameRecord frame{100, 200, 1100, 700, 15, 15, 0x808080, 0xFFFFFF};
    Draw3DFrame(surface, frame, 15, 15);
    auto lines = surface.CallsOf("Line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].numbers, (std::vector<double>{85, 185, 85, 715}));
    EXPECT_EQ(lines[0].colour, 0x808080u);
    EXPECT_EQ(lines[1].numbers, (std::vector<double>{1115, 185, 1115, 715}));
    EXPECT_EQ(lines[1].colour, 0xFFFFFFu);
    EXPECT_EQ(lines[2].numbers, (std::vector<double>{85, 185, 1115, 185}));
    EXPECT_EQ(lines[3].numbers, (std::vector<double>{85, 715, 1115, 715}));

    surface.ClearLog();
    frame.XThickness = 30;
    frame.YThickness = 30;
    Draw3DFrame(surface, frame, 15, 15);
    EXPECT_EQ(surface.CallsOf("Line").size(), 8u);

    // A thickness below one pixel is raised to one pixel, in the record too.
    surface.ClearLog();
    frame.XThickness = 4;
    frame.YThickness = 0;
    Draw3DFrame(surface, frame, 15, 15);
    EXPECT_EQ(surface.CallsOf("Line").size(), 4u);
    EXPECT_EQ(frame.XThickness, 15);
    EXPECT_EQ(frame.YThickness, 15);
}
