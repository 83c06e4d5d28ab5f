// Whole workings drawn to PNG, to be looked at: x first and y first, added
// and subtracted, whole and fractional solutions.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/solver/headless_solver.h"

namespace {

using namespace solver_test;

TEST(WorkingPages, DrawToPng) {
    struct Page {
        const char* name;
        Call call;
    };
    const std::vector<Page> pages = {
        {"x_first_added", {{3, 2, 8, 5, -3, 7}}},
        {"x_first_subtracted", {{3, -7, 38, 13, -5, 38}}},
        {"x_first_fraction", {{1, 1, 2, -1, 1, -1}}},
        {"y_first_added", {{3, 2, 5, -3, 5, 2}}},
        {"y_first_subtracted", {{6, -1, 22, 6, 5, -2}}},
        {"y_first_fraction", {{2, 3, 1, 2, -2, 3}}},
        {"y_first_fraction_talisse", {{2, 6, 3, 6, 3, 4}, Program::Talisse}},
    };
    const std::filesystem::path dir = std::filesystem::path(COURSE_BINARY_DIR) / "solver_pages";
    std::filesystem::create_directories(dir);
    for (const Page& p : pages) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(run(p.call, 4));
        ASSERT_FALSE(pieces().empty());
        const std::string path = (dir / (std::string(p.name) + ".png")).string();
        ASSERT_TRUE(plat::write_png(path, 1));
        EXPECT_GT(std::filesystem::file_size(path), 0u);
        // The working itself, enlarged.
        const std::string detail = (dir / (std::string(p.name) + "_detail.png")).string();
        ASSERT_TRUE(plat::write_png(detail, 2, kLeft - 20, kTop - 20, kLeft + 560, kTop + 580));
    }
}

}  // namespace
