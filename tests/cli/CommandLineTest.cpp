// The command line read in-process, and a start with --windowed --mute played
// through the menus on the headless engine.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "VXSystem.h"
#include "resources/SoundManager.h"
#include "screens/Options.h"
#include "screens/ScreenHarness.h"
#include "shell/CommandLine.h"

namespace {

// One reading of a command line, with what it printed to each stream.
struct Reading {
  int status = 0;
  StartOptions options;
  std::string out, err;
};

std::string Drain(std::FILE* f) {
  std::string text;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
  std::fclose(f);
  return text;
}

// Reads a command line; what it writes to `out` is read back where it can be.
Reading Read(std::initializer_list<const char*> args, std::FILE* out = std::tmpfile()) {
  std::vector<const char*> argv = {"orvane"};
  argv.insert(argv.end(), args);
  Reading r;
  std::FILE* err = std::tmpfile();
  r.status = ReadCommandLine(static_cast<int>(argv.size()), argv.data(), &r.options, out, err);
  r.out = Drain(out);
  r.err = Drain(err);
  return r;
}

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

std::string Usage() {
  return Read({"--help"}).out;
}

}  // namespace

TEST(CommandLineTest, NoArgumentsStartsFullScreenWithSoundAndPrintsNothing) {
  Reading r = Read({});
  EXPECT_EQ(-1, r.status);
  EXPECT_FALSE(r.options.windowed);
  EXPECT_FALSE(r.options.mute);
  EXPECT_EQ("", r.out + r.err);
}

TEST(CommandLineTest, WindowedAndMuteTakeAnyOrderAndRepeats) {
  for (Reading r : {Read({"--windowed", "--mute"}), Read({"--mute", "--windowed", "--mute"})}) {
    EXPECT_EQ(-1, r.status);
    EXPECT_TRUE(r.options.windowed);
    EXPECT_TRUE(r.options.mute);
    EXPECT_EQ("", r.out + r.err);
  }
  Reading one = Read({"--mute"});
  EXPECT_TRUE(one.options.mute);
  EXPECT_FALSE(one.options.windowed);
}

TEST(CommandLineTest, HelpAndVersionPrintToStdoutAndEndTheRunWithStatus1IfItIsFull) {
  Reading help = Read({"--windowed", "--help"});
  EXPECT_EQ(0, help.status);
  EXPECT_EQ("Usage: orvane [--windowed] [--mute]", FirstLine(help.out));
  for (const char* option : {"--windowed", "--mute", "-h, --help", "--version"}) {
    EXPECT_NE(std::string::npos, help.out.find(std::string("\n  ") + option + " ")) << option;
  }
  EXPECT_EQ("", help.err);
  Reading shortHelp = Read({"--mute", "-h", "--version"});
  EXPECT_EQ(0, shortHelp.status);
  EXPECT_EQ(help.out, shortHelp.out);

  Reading version = Read({"--version"});
  EXPECT_EQ(0, version.status);
  EXPECT_EQ(std::string("Orvane ") + ORVANE_VERSION + "\nVexor Engine 3.04\n", version.out);
  EXPECT_EQ("", version.err);

  // Standard output on a full disk: the answer is lost, and the status says so.
  for (const char* arg : {"--help", "-h", "--version"}) {
    Reading full = Read({arg}, std::fopen("/dev/full", "w"));
    EXPECT_EQ(1, full.status) << arg;
    EXPECT_EQ("orvane: cannot write to standard output: No space left on device\n", full.err) << arg;
  }
}

TEST(CommandLineTest, AnyOtherArgumentIsOneLineAndTheUsageOnStderrWithStatus2) {
  const std::string usage = Usage();
  struct Case {
    const char* arg;
    const char* line;
  };
  for (Case c :
       {Case{"--fullscreen", "orvane: unknown option '--fullscreen'"}, Case{"-v", "orvane: unknown option '-v'"},
        Case{"--mute=yes", "orvane: unknown option '--mute=yes'"}, Case{"-", "orvane: unknown option '-'"},
        Case{"level2", "orvane: unexpected argument 'level2'"}, Case{"", "orvane: unexpected argument ''"}}) {
    Reading r = Read({"--mute", c.arg, "--help"});
    EXPECT_EQ(2, r.status) << c.arg;
    EXPECT_EQ(std::string(c.line) + "\n" + usage, r.err) << c.arg;
    EXPECT_EQ("", r.out) << c.arg;
  }
}

using StartOptionsTest = ScreenTest;

TEST_F(StartOptionsTest, AMutedWindowedStartShowsBothSwitchesOffAndBothTurnBackOn) {
  StartOptions options;
  options.windowed = true;
  options.mute = true;
  ApplyStartOptions(options);
  EXPECT_FALSE(gVXFullScreen);

  Enter(STATE_MAINMENU);
  EXPECT_FALSE(MusicPlaying()) << "the menu music played on a muted start";
  Enter(STATE_OPTIONS);
  Options* screen = Screen<Options>();
  EXPECT_FALSE(screen->fullScreen);
  EXPECT_FALSE(screen->soundOn);
  Click(640, 360);
  EXPECT_TRUE(gVXFullScreen);
  Click(640, 455);
  EXPECT_TRUE(MusicPlaying());

  ApplyStartOptions(StartOptions());
  EXPECT_TRUE(gVXFullScreen);
  EXPECT_TRUE(gFullScreenOption && gSoundOption);
}
