// The command line read in-process, and a start with --windowed --mute on the
// headless engine.
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

Reading Read(std::initializer_list<const char*> args) {
  std::vector<const char*> argv = {"orvane"};
  argv.insert(argv.end(), args);
  Reading r;
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  r.status = ReadCommandLine(static_cast<int>(argv.size()), argv.data(), &r.options, out, err);
  r.out = Drain(out);
  r.err = Drain(err);
  return r;
}

std::string Usage() {
  return Read({"--help"}).out;
}

}  // namespace

TEST(CommandLineTest, WindowedAndMuteTakeAnyOrderAndRepeatsAndNoneStartsFullScreenWithSound) {
  for (Reading r : {Read({"--windowed", "--mute"}), Read({"--mute", "--windowed", "--mute"})}) {
    EXPECT_EQ(-1, r.status);
    EXPECT_TRUE(r.options.windowed);
    EXPECT_TRUE(r.options.mute);
    EXPECT_EQ("", r.out + r.err);
  }
  Reading one = Read({"--mute"});
  EXPECT_TRUE(one.options.mute);
  EXPECT_FALSE(one.options.windowed);
  Reading none = Read({});
  EXPECT_EQ(-1, none.status);
  EXPECT_FALSE(none.options.windowed || none.options.mute);
  EXPECT_EQ("", none.out + none.err);
}

// The real program's answers, their streams and a full disk are answers_test.sh's.
TEST(CommandLineTest, HelpListsEveryOptionAndEndsTheRunWhateverComesAfterIt) {
  Reading help = Read({"--windowed", "--help"});
  EXPECT_EQ(0, help.status);
  for (const char* option : {"--windowed", "--mute", "-h, --help", "--version"}) {
    EXPECT_NE(std::string::npos, help.out.find(std::string("\n  ") + option + " ")) << option;
  }
  Reading shortHelp = Read({"--mute", "-h", "--version"});
  EXPECT_EQ(0, shortHelp.status);
  EXPECT_EQ(help.out, shortHelp.out);
}

TEST(CommandLineTest, AnyOtherArgumentIsOneLineAndTheUsageOnStderrWithStatus2) {
  const std::string usage = Usage();
  struct Case {
    const char* arg;
    const char* line;
  };
  for (Case c : {Case{"-v", "orvane: unknown option '-v'"}, Case{"--mute=yes", "orvane: unknown option '--mute=yes'"},
                 Case{"-", "orvane: unknown option '-'"}, Case{"", "orvane: unexpected argument ''"}}) {
    Reading r = Read({"--mute", c.arg, "--help"});
    EXPECT_EQ(2, r.status) << c.arg;
    EXPECT_EQ(std::string(c.line) + "\n" + usage, r.err) << c.arg;
    EXPECT_EQ("", r.out) << c.arg;
  }
}

using StartOptionsTest = ScreenTest;

TEST_F(StartOptionsTest, AMutedWindowedStartOpensAWindowAndTheMenuPlaysNoMusic) {
  StartOptions options;
  options.windowed = true;
  options.mute = true;
  ApplyStartOptions(options);
  EXPECT_FALSE(gVXFullScreen);
  EXPECT_FALSE(gFullScreenOption || gSoundOption);
  Enter(STATE_MAINMENU);
  EXPECT_FALSE(MusicPlaying()) << "the menu music played on a muted start";

  ApplyStartOptions(StartOptions());
  EXPECT_TRUE(gVXFullScreen);
  EXPECT_TRUE(gFullScreenOption && gSoundOption);
  SoundManager::GetInstance()->soundEnabled = true;
}
