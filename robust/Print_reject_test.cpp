// A destination that rejects jobs: print_reject_test.sh runs a private
// scheduler whose default printer refuses jobs, names it in
// VORAN_REJECTING_DESTINATION and runs this program. "Print All" must fail
// with the scheduler's reason and the viewer go on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Print_all_check.h"

namespace {

TEST(Print_fault, Rejecting_destination_gives_a_clear_error_and_the_viewer_goes_on)
{
    const char* destination = std::getenv("VORAN_REJECTING_DESTINATION");
    ASSERT_NE(destination, nullptr) << "print_reject_test.sh names the destination";
    const std::string error = Print_all_fails_and_viewer_goes_on();
    // The scheduler's own reason names the destination.
    EXPECT_NE(error.find(destination), std::string::npos) << error;
    EXPECT_NE(error.find("not accepting jobs"), std::string::npos) << error;
}

}  // namespace
