#include <gtest/gtest.h>

#include "app/startup/LaunchSwitch.h"
#include "platform/memory/MemoryDesktop.h"

namespace tintara {
namespace {

TEST(CommandLineArgument, SplitsByBlanksQuotedRunsAndEmptyQuotePairs) {
  const std::u16string_view line = u"\"C:\\Program Files\\T\\Tintara.exe\"  one\ttwo";
  EXPECT_EQ(CommandLineArgument(line, 0), u"C:\\Program Files\\T\\Tintara.exe");
  EXPECT_EQ(CommandLineArgument(line, 1), u"one");
  EXPECT_EQ(CommandLineArgument(line, 2), u"two");
  EXPECT_EQ(CommandLineArgument(line, 3), u"");
  EXPECT_EQ(CommandLineArgument(line, 99), u"");

  // Quoted runs join what touches them and keep blanks; quotes are dropped.
  EXPECT_EQ(CommandLineArgument(u"p a\"b c\"d e", 1), u"ab cd");
  EXPECT_EQ(CommandLineArgument(u"p a\"b c\"d e", 2), u"e");
  // A run left open lasts to the end of the line.
  EXPECT_EQ(CommandLineArgument(u"p \"open run x", 1), u"open run x");
  EXPECT_EQ(CommandLineArgument(u"p \"open run x", 2), u"");
  // Empty quote pairs are skipped before an argument, in any number, with or
  // without blanks between; inside an argument an empty pair is an empty run.
  EXPECT_EQ(CommandLineArgument(u"p \"\" \"\"\"\" x", 1), u"x");
  EXPECT_EQ(CommandLineArgument(u"p \"\"x", 1), u"x");
  EXPECT_EQ(CommandLineArgument(u"p x\"\"y", 1), u"xy");
  EXPECT_EQ(CommandLineArgument(u"p \"\"", 1), u"");
  // Three quotes: a skipped pair, then a run holding the rest.
  EXPECT_EQ(CommandLineArgument(u"p \"\"\"a b\" c", 1), u"a b");
  // Control characters (codes 1 to 32) separate arguments outside runs only.
  EXPECT_EQ(CommandLineArgument(u"p\r\n\x01\x1f"
                                u"x\x7fy",
                                1),
            u"x\x7fy");
  EXPECT_EQ(CommandLineArgument(u"p \"a\tb\"", 1), u"a\tb");
  // The line ends at its terminator.
  EXPECT_EQ(CommandLineArgument(std::u16string_view(u"p a\0b", 5), 1), u"a");
  EXPECT_EQ(CommandLineArgument(std::u16string_view(u"p a\0b", 5), 2), u"");
  // Leading blanks before the program's path, and empty lines.
  EXPECT_EQ(CommandLineArgument(u"   p   q  ", 0), u"p");
  EXPECT_EQ(CommandLineArgument(u"   p   q  ", 1), u"q");
  EXPECT_EQ(CommandLineArgument(u"", 0), u"");
  EXPECT_EQ(CommandLineArgument(u"", 1), u"");
  EXPECT_EQ(CommandLineArgument(u" \t ", 1), u"");
}

TEST(LaunchSwitch, LowerCasesOnlyTheLettersAToZ) {
  EXPECT_EQ(LowerCaseAsciiLetters(u"AutoSTART"), u"autostart");
  // '@' and '[' sit just outside A..Z; accented and other capitals stay.
  EXPECT_EQ(LowerCaseAsciiLetters(u"@AZ[`az{"), u"@az[`az{");
  EXPECT_EQ(LowerCaseAsciiLetters(u"\u00C4UTOSTART\u212A"), u"\u00C4utostart\u212A");
}

TEST(LaunchSwitch, OnlyArgumentOneInAnyLetterCaseOrQuotedCounts) {
  for (const std::u16string_view line :
       {u"C:\\T\\Tintara.exe autostart", u"C:\\T\\Tintara.exe AUTOSTART",
        u"C:\\T\\Tintara.exe AutoStart", u"C:\\T\\Tintara.exe \"autostart\"",
        u"C:\\T\\Tintara.exe auto\"start\"", u"C:\\T\\Tintara.exe \"\" autostart",
        u"C:\\T\\Tintara.exe autostart ignored more", u"\"C:\\My Apps\\T.exe\" autostart",
        // A quoted run left open lasts to the end of the line.
        u"T.exe\t\"aUtOsTaRt\"\r\n", u"T.exe \"autostart"}) {
    EXPECT_TRUE(HasLaunchSwitch(line)) << std::string(line.begin(), line.end());
  }
  // An unquoted path with a blank splits in two, so the switch is argument 2 there.
  for (const std::u16string_view line :
       {u"C:\\T\\Tintara.exe", u"C:\\T\\Tintara.exe /autostart", u"C:\\T\\Tintara.exe -autostart",
        u"C:\\T\\Tintara.exe autostart=1", u"C:\\T\\Tintara.exe autostarts",
        u"C:\\T\\Tintara.exe x autostart", u"autostart", u"C:\\My Apps\\T.exe autostart",
        u"T.exe \u00C4utostart", u"T.exe \"auto start\"", u"T.exe \"\"\"\"\"\""}) {
    EXPECT_FALSE(HasLaunchSwitch(line)) << std::string(line.begin(), line.end());
  }
}

TEST(LaunchSwitch, IsReadFromTheRunningProgramsCommandLine) {
  MemoryDesktop desktop;
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\" AutoStart";
  EXPECT_TRUE(StartedWithLaunchSwitch(desktop));
  desktop.commandLine = u"\"C:\\Program Files\\Tintara\\Tintara.exe\"";
  EXPECT_FALSE(StartedWithLaunchSwitch(desktop));
}

}  // namespace
}  // namespace tintara
