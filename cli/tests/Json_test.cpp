// JSON text: strings escaped and always valid UTF-8; numbers that read back
// to the same double as the table's twelve significant digits.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "Json_text.h"
#include "Read_double.h"
#include "Table_number.h"

namespace {

std::string Json_string(std::string_view text)
{
    Text_sink out;
    Write_json_string(out, text);
    return out.Take();
}

TEST(Json_string, EscapesAndKeepsUtf8)
{
    const struct {
        const char* Name;
        std::string Text;
        std::string Json;
    } rows[] = {
        {"Plain", "P01", "\"P01\""},
        {"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"LineBreaksAndTab", "a\r\nb\tc", "\"a\\r\\nb\\tc\""},
        {"OtherControls", std::string("\0\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001f\x7f\""},
        {"Utf8Kept", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
        {"LoneContinuationByte", "a\x80z", "\"a\\ufffdz\""},
        {"CutShortSequence", "\xE2\x82", "\"\\ufffd\\ufffd\""},
        {"OverlongForm", "\xC0\xAF", "\"\\ufffd\\ufffd\""},
        {"Surrogate", "\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},
        {"BeyondU10FFFF", "\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},
        {"Latin1Byte", "caf\xE9", "\"caf\\ufffd\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Json_string(row.Text), row.Json) << row.Name;
}

TEST(Json_number, ShortestTextOfTheTablesDouble)
{
    const struct {
        Extended Value;
        const char* Json;
    } rows[] = {
        {20, "20"},
        {-20, "-20"},
        {0.086738573909734L, "0.0867385739097"},
        {1.0L / 3, "0.333333333333"},
        {100000, "1e+05"},
        {1e-5L, "1e-05"},
        {-0.0L, "-0"},
        {std::numeric_limits<Extended>::infinity(), "null"},
        {std::numeric_limits<Extended>::quiet_NaN(), "null"},
        // Beyond a double's range the table's own digits are kept.
        {3.2578e-400L, "3.2578e-400"},
        {1.5e400L, "1.5e+400"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Json_number(row.Value), row.Json) << Table_number(row.Value).View();
}

// Over many random values: the JSON number and the table's text read back to
// the same double.
TEST(Json_number, ReadsBackAsTheTablesNumber)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const Extended value = static_cast<Extended>(mantissa(random)) * std::pow(10.0L, exponent(random));
        const std::string json = Json_number(value);
        const std::string table(Table_number(value).View());
        double from_json = 0;
        double from_table = 0;
        Read_double(json.data(), json.data() + json.size(), from_json);
        Read_double(table.data(), table.data() + table.size(), from_table);
        ASSERT_EQ(from_json, from_table) << table << " as " << json;
        ASSERT_LE(json.size(), table.size() + 1) << table << " as " << json;
    }
}

}  // namespace
