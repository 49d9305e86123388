// The texts of the library's message numbers. A Check_bound text is followed
// directly by the printed bound, so those texts end with a blank.
#include "distrib.h"

#include <array>

namespace {

struct Message {
    std::int32_t Number;
    const char* Text;
};

constexpr std::array<Message, 17> Messages{{
    {1301, "Parameter 1 must be greater than "},
    {1302, "The argument must be at least "},
    {1303, "A parameter must be less than "},
    {1304, "Parameter 1 must be a whole number"},
    {1305, "Parameter 2 must be greater than "},
    {1306, "Parameter 2 must be at least "},
    {1307, "Parameter 2 must be less than "},
    {1308, "Parameter 2 must be a whole number"},
    {1309, "Parameter 3 must be greater than "},
    {1310, "Parameter 3 must be at least "},
    {1311, "Parameter 3 must be less than "},
    {1312, "Parameter 3 must be a whole number"},
    {1315, "The argument must be at most "},
    {1361, "An argument of the incomplete gamma function exceeds 2147483647"},
    {1362, "The mean does not exist for these parameters"},
    {1363, "The variance does not exist for these parameters"},
    {0, ""},
}};

}  // namespace

std::string Message_text(std::int32_t n)
{
    for (const Message& message : Messages)
        if (message.Number == n)
            return message.Text;
    return {};
}
