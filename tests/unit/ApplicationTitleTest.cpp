#include <gtest/gtest.h>

#include "engine/ApplicationTitle.h"
#include "widgets/ErrorReportText.h"

namespace tintara {
namespace {

TEST(ApplicationTitle, FormsTheTitleFromTheFileName) {
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\Program Files\\TINTARA.EXE"), u"Tintara");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\tools\\tintara.exe"), u"tintara");
  EXPECT_EQ(ApplicationTitleFromPath(u"D:my.colour.tool.exe"), u"my");
  EXPECT_EQ(ApplicationTitleFromPath(u"\\\\server\\share\\ÄRGER.exe"), u"Ärger");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\dir.with.dots\\Noext"), u"Noext");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\.hidden"), u"");
  // Beyond Latin: Greek (final sigma stays as the simple mapping gives it), Cyrillic,
  // Latin Extended-A with its alternating capitals, and a first letter outside the
  // basic plane kept whole.
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\ΧΡΩΜΑΣ.exe"), u"Χρωμασ");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\ЦВЕТ.exe"), u"Цвет");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\ŁÓDŹ.exe"), u"Łódź");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\İSTANBUL.exe"), u"İstanbul");
  EXPECT_EQ(ApplicationTitleFromPath(u"C:\\\U00010400\U00010400A.exe"), u"\U00010400\U00010428a");
  EXPECT_EQ(LowerCaseText(u"ÀÖØÞĲİ"), u"àöøþĳi");
}

TEST(ApplicationTitle, ErrorTextGetsAFullStopAfterCharactersAboveIt) {
  EXPECT_EQ(ErrorReportText(u"Stream write error"), u"Stream write error.");
  EXPECT_EQ(ErrorReportText(u"Code 7"), u"Code 7.");
  EXPECT_EQ(ErrorReportText(u"Why?"), u"Why?.");
  EXPECT_EQ(ErrorReportText(u"Done."), u"Done.");
  EXPECT_EQ(ErrorReportText(u"Stop!"), u"Stop!");
  EXPECT_EQ(ErrorReportText(u"(x)"), u"(x)");
  EXPECT_EQ(ErrorReportText(u""), u"");
}

}  // namespace
}  // namespace tintara
