// The scope guard restores the value it found, also when guards nest and on exceptions.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/ScopedValue.h"

namespace skrivo {
namespace {

TEST(ScopedValue, NestedGuardsOfOneFlagLeaveTheOuterScopeItsValue) {
    bool busy = false;
    {
        ScopedValue outer(busy, true);
        {
            ScopedValue inner(busy, true);
            EXPECT_TRUE(busy);
        }
        EXPECT_TRUE(busy);
    }
    EXPECT_FALSE(busy);
}

TEST(ScopedValue, AnExceptionRestoresThePreviousValue) {
    std::string mode = "idle";
    EXPECT_THROW(
        {
            ScopedValue<std::string> guard(mode, "merging");
            EXPECT_EQ(mode, "merging");
            throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ(mode, "idle");
}

}  // namespace
}  // namespace skrivo
