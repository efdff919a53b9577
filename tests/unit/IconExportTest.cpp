// Saving the captured icon from the main window: the save dialog, the name, the poll
// stopped from the click until the save has ended, the file image kept with the
// captured icon, and the failures through the general error report.
#include <string>
#include <vector>

#include "FormMainFixture.h"

namespace tintara {
namespace {

using headless::PressOn;
using Bytes = std::vector<std::uint8_t>;

class IconExportTest : public FormMainTest {
 protected:
  // The user at the save dialog confirms `name`, noting whether the poll was running.
  void Answer(std::u16string name) {
    backend.saveDialogUser = [this, name](const SaveDialogRequest&) {
      pollRunningInDialog.push_back(form->Timer_AeroHandler.Running());
      // Time passes and another window comes to the front: nothing is captured.
      BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x00FF00), u"Meanwhile");
      backend.Advance(500);
      return std::optional<std::u16string>(name);
    };
  }

  std::vector<std::u16string> Reports() const {
    std::vector<std::u16string> texts;
    for (const MemoryMessageBox& box : desktop.messageBoxes) texts.push_back(box.text);
    return texts;
  }

  std::vector<bool> pollRunningInDialog;
};

TEST_F(IconExportTest, TheIconOrItsLabelSavesTheCapturedIconUnderTheNameWithIcoAppended) {
  TForm_Main& f = Create();
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF), u"Captured");
  backend.Advance(100);
  const IconHandle captured = f.Image_Icon.GetPicture().icon;
  std::vector<bool> pollRunningAtWrite;
  desktop.beforeCall = [&](std::string_view op) {
    if (op == "CreateNewFile") pollRunningAtWrite.push_back(f.Timer_AeroHandler.Running());
  };

  Answer(u"C:\\Icons\\logo");
  PressOn(f.Image_Icon);
  ASSERT_EQ(backend.saveDialogs.size(), 1u);
  EXPECT_EQ(backend.saveDialogs[0].owner, f.Handle());
  EXPECT_EQ(backend.saveDialogs[0].filter, u"ICON|*.ico");
  EXPECT_EQ(backend.saveDialogs[0].defaultExt, u"");
  EXPECT_EQ(backend.saveDialogs[0].fileName, u"");
  ASSERT_EQ(desktop.files.count(u"C:\\Icons\\logo.ico"), 1u);
  const Bytes& saved = desktop.files.at(u"C:\\Icons\\logo.ico");
  EXPECT_EQ(saved.size(), 1150u);
  EXPECT_EQ(Bytes(saved.begin() + 6, saved.begin() + 10), (Bytes{0x10, 0x10, 0x20, 0x00}));
  // Red, opaque, as the first pixel of the bottom row (blue, green, red, alpha).
  EXPECT_EQ(Bytes(saved.begin() + 62, saved.begin() + 66), (Bytes{0x00, 0x00, 0xFF, 0xFF}));
  // Nothing was captured while the dialog was open.
  EXPECT_EQ(f.Image_Icon.GetPicture().icon, captured);
  EXPECT_EQ(LogLineCount(), 1u);

  // From the label, with the name confirmed last; "logo.ico" typed becomes logo.ico.ico
  // and the existing logo.ico is left alone.
  desktop.beforeCall = nullptr;
  backend.Advance(100);  // the window in front meanwhile is captured now
  Answer(u"C:\\Icons\\logo.ico");
  PressOn(f.Label_Icon);
  ASSERT_EQ(backend.saveDialogs.size(), 2u);
  EXPECT_EQ(backend.saveDialogs[1].fileName, u"C:\\Icons\\logo");
  EXPECT_EQ(desktop.files.size(), 2u);
  EXPECT_EQ(desktop.files.count(u"C:\\Icons\\logo.ico.ico"), 1u);
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\logo.ico"), saved);
  EXPECT_EQ(pollRunningInDialog, (std::vector<bool>{false, false}));
  EXPECT_EQ(pollRunningAtWrite, (std::vector<bool>{false}));
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
  EXPECT_TRUE(desktop.messageBoxes.empty());
}

TEST_F(IconExportTest, ThePollRunsAgainAfterACancelASaveAndAFailedSave) {
  TForm_Main& f = Create();
  BringWindowWithIcon(MemoryIcon::Solid(32, 32, 0x0000FF));
  backend.Advance(100);
  std::vector<bool> pollRunningAtReport;
  desktop.beforeCall = [&](std::string_view op) {
    if (op == "ShowMessageBox") pollRunningAtReport.push_back(f.Timer_AeroHandler.Running());
  };

  backend.saveDialogUser = nullptr;  // cancels
  PressOn(f.Image_Icon);
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
  EXPECT_TRUE(desktop.files.empty());

  Answer(u"C:\\Icons\\big");
  PressOn(f.Image_Icon);
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\big.ico").size(), 4286u);

  desktop.refusingFolders.insert(u"C:\\Locked");
  Answer(u"C:\\Locked\\big");
  PressOn(f.Image_Icon);
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
  EXPECT_EQ(Reports(), (std::vector<std::u16string>{
                           u"Cannot create file \"C:\\Locked\\big.ico\". Access is denied."}));
  EXPECT_EQ(desktop.messageBoxes[0].caption, u"Tintara");
  EXPECT_EQ(desktop.messageBoxes[0].icon, MessageIcon::Error);
  // The poll was running again by the time the failure was reported, and it still
  // follows the foreground window.
  EXPECT_EQ(pollRunningAtReport, (std::vector<bool>{true}));
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0xFF0000), u"After");
  backend.Advance(100);
  EXPECT_EQ(details->Label_Class.Caption(), u"Class Name After");
}

TEST_F(IconExportTest, BeforeAnyCaptureTheDialogShowsAndNothingIsWritten) {
  TForm_Main& f = Create();
  Answer(u"C:\\Icons\\nothing");
  PressOn(f.Image_Icon);
  EXPECT_EQ(backend.saveDialogs.size(), 1u);
  EXPECT_TRUE(desktop.files.empty());
  EXPECT_TRUE(desktop.messageBoxes.empty());
  EXPECT_TRUE(f.Timer_AeroHandler.Running());
}

TEST_F(IconExportTest, AnUnreadableIconIsReportedAndTouchesNoFileAndTheNextSaveReadsAgain) {
  TForm_Main& f = Create();
  desktop.files[u"C:\\Icons\\keep.ico"] = Bytes{1, 2, 3};
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x0000FF));
  backend.Advance(100);
  desktop.Fail("ReadIconImage");
  Answer(u"C:\\Icons\\keep");
  PressOn(f.Image_Icon);
  EXPECT_EQ(Reports(), (std::vector<std::u16string>{u"Bitmap image is not valid."}));
  EXPECT_EQ(desktop.files.size(), 1u);
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\keep.ico"), (Bytes{1, 2, 3}));
  EXPECT_TRUE(f.Timer_AeroHandler.Running());

  desktop.Heal("ReadIconImage");
  PressOn(f.Image_Icon);
  EXPECT_EQ(desktop.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\keep.ico").size(), 1150u);

  // A monochrome icon has no colour image to read.
  BringWindowWithIcon(MemoryIcon::MonochromeSolid(32, 32, false, true));
  backend.Advance(100);
  Answer(u"C:\\Icons\\mono");
  PressOn(f.Image_Icon);
  EXPECT_EQ(Reports().back(), u"Bitmap image is not valid.");
  EXPECT_EQ(desktop.files.count(u"C:\\Icons\\mono.ico"), 0u);
}

TEST_F(IconExportTest, TheFileImageStaysWithTheCapturedIconUntilTheNextCapture) {
  TForm_Main& f = Create();
  // A 4-bit icon as the platform reads it: 16 colours, 32 x 32.
  MemoryIcon four = MemoryIcon::Solid(32, 32, 0x0000FF);
  IconImage image;
  image.width = 32;
  image.height = 32;
  image.bitsPerPixel = 4;
  image.colorTable.assign(16, 0x0000FF);
  image.colorRows.assign(512, 0x00);
  image.maskRows.assign(128, 0x00);
  four.image = image;
  const WindowHandle a = BringWindowWithIcon(four, u"Four");
  backend.Advance(100);
  const IconHandle icon = desktop.windows.at(a).classSmallIcon;
  Answer(u"C:\\Icons\\first");
  PressOn(f.Image_Icon);
  const Bytes first = desktop.files.at(u"C:\\Icons\\first.ico");
  EXPECT_EQ(first.size(), 766u);

  // The owner destroys the icon: the same file all the same.
  desktop.icons.erase(icon);
  Answer(u"C:\\Icons\\second");
  PressOn(f.Image_Icon);
  EXPECT_EQ(desktop.files.at(u"C:\\Icons\\second.ico"), first);
  EXPECT_TRUE(desktop.messageBoxes.empty());

  // A new capture starts without one, even of the same (now dead) icon handle.
  BringWindowWithIcon(MemoryIcon::Solid(16, 16, 0x00FF00), u"Other");
  backend.Advance(100);
  desktop.SetForeground(a);
  backend.Advance(100);
  ASSERT_EQ(f.Image_Icon.GetPicture().icon, icon);
  Answer(u"C:\\Icons\\third");
  PressOn(f.Image_Icon);
  EXPECT_EQ(Reports(), (std::vector<std::u16string>{u"Bitmap image is not valid."}));
  EXPECT_EQ(desktop.files.count(u"C:\\Icons\\third.ico"), 0u);
}

}  // namespace
}  // namespace tintara
