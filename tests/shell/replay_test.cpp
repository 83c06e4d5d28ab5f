// The replay tool, run as a user runs it.
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/shell/harness.h"

namespace {

const std::string kReplay = COURSE_BINARY_DIR "/replay";

// What replay prints on its standard output (and on its error output too,
// when `errors`).
std::string output_of(const std::string& args, bool errors = false) {
    const std::string command = kReplay + " " + args + (errors ? " 2>&1" : " 2>/dev/null");
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe.get())) > 0) out.append(buf.data(), n);
    return out;
}

}  // namespace

class Replay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kReplay)) GTEST_SKIP() << "replay is not built";
    }
};

TEST_F(Replay, ListsTheMenuPageAndWritesItsPicture) {
    const std::string png = ::testing::TempDir() + "replay_menu.png";
    std::filesystem::remove(png);
    const std::string out = output_of("morvane --keys '' --png " + png + " --scale 1");
    EXPECT_NE(out.find("30 264 15 ＜Morvane　メニュー＞\n"), std::string::npos) << out;
    EXPECT_NE(out.find("120 44 13 1　連立方程式とその解\n"), std::string::npos) << out;
    EXPECT_NE(out.find("540 44 15 8　終了\n"), std::string::npos) << out;
    EXPECT_NE(out.find("648 816 0 番号を入力して下さい。\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("ended"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(png));
}

TEST_F(Replay, EscapesAndTheEnd) {
    // "9" then BackSpace clears it; 8 and Enter end the program.
    const std::string out = output_of("talisse --keys '9\\b8\\r' --seed 3");
    EXPECT_NE(out.find("＜Talisse　メニュー＞"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.size() - 6), "ended\n") << out;

    const std::string cleared = output_of("talisse --keys '12\\x0c'");
    EXPECT_EQ(cleared.find("ended"), std::string::npos) << cleared;
    EXPECT_NE(cleared.find("648 1008 0 入力\n"), std::string::npos) << cleared;
}

TEST_F(Replay, RefusesWhatItCannotRead) {
    for (const char* args : {"algebra --keys ''", "morvane", "morvane --keys '\\q'", "morvane --keys '' --seed x",
                             "morvane --keys '\\x0'"})
        EXPECT_NE(output_of(args, true).find("usage:"), std::string::npos) << args;
}
