#include <gtest/gtest.h>

#include "engine/platform/runtime.h"
#include "engine/platform/screen.h"

TEST(Smoke, Links) { EXPECT_EQ($PfSTR244(0.5f), " .5"); }
