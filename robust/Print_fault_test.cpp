// The print server stopped: CTest points the printing library at a local
// socket where no scheduler listens (CUPS_SERVER), as after the scheduler
// quit, with no default destination named elsewhere. "Print All" must fail
// with a clear error and the viewer go on.
#include <gtest/gtest.h>

#include "Print_all_check.h"

namespace {

TEST(Print_fault, Stopped_print_server_gives_a_clear_error_and_the_viewer_goes_on)
{
    EXPECT_EQ(Print_all_fails_and_viewer_goes_on(), "There is no default printer currently selected.");
}

}  // namespace
