// The control data reader on arbitrary file contents, read as start-up does:
// the whole file, taken in pieces of varying size, is kept when it is within
// the size limit and refused as damaged beyond it, never read further than one
// byte past the limit; then two numbers, one after the other. Each read either gives a number or raises
// EIn_out_error("Invalid numeric input"); it never takes more than 64
// characters after the separators (codes 0 to 32) before an entry, and an
// entry longer than that is refused as damaged, never read as two. Accepted
// entries are checked against an independent description of the grammar
// (a regular expression) and their value against strtod, which rounds
// correctly as the reader must.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>

#include "Control_data.h"
#include "Fuzz_check.h"

namespace {

constexpr std::size_t Entry_limit = 64;

bool Is_separator(unsigned char c)
{
    return c <= 32;
}

const std::regex& Decimal_number()
{
    static const std::regex grammar(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return grammar;
}

// Reads one number from position `at` of text; false when the read failed
// (the reader then stops, as start-up does).
bool Check_one_read(std::istringstream& in, const std::string& text, std::size_t& at)
{
    std::size_t start = at;
    while (start < text.size() && Is_separator(static_cast<unsigned char>(text[start])))
        ++start;
    std::size_t end = start;
    while (end < text.size() && end - start < Entry_limit &&
           !Is_separator(static_cast<unsigned char>(text[end])))
        ++end;
    const std::string token = text.substr(start, end - start);
    const bool runs_on = end < text.size() && !Is_separator(static_cast<unsigned char>(text[end]));
    const bool valid = !token.empty() && !runs_on && std::regex_match(token, Decimal_number());
    errno = 0;
    const double reference = valid ? std::strtod(token.c_str(), nullptr) : 0;
    const bool out_of_range = valid && errno == ERANGE;

    bool read = false;
    double value = 0;
    try {
        value = Read_control_number(in);
        read = true;
    } catch (const EIn_out_error& error) {
        FUZZ_CHECK(std::string(error.what()) == "Invalid numeric input", "wrong message of a failed read");
    }
    const auto position = static_cast<std::size_t>(in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in));
    FUZZ_CHECK(position <= end, "the reader took more than 64 characters of an entry");
    at = position;

    if (token.empty()) {
        FUZZ_CHECK(read && value == 0, "the end of the file did not read as 0");
        return true;
    }
    if (!valid) {
        FUZZ_CHECK(!read, "an entry outside the grammar or over 64 characters was accepted");
        return false;
    }
    if (out_of_range) {
        // Beyond or at the edge of a double's range: refused, or the
        // correctly rounded (denormal) value.
        FUZZ_CHECK(!read || value == reference, "an entry at the range's edge read wrongly");
        return read;
    }
    FUZZ_CHECK(read, "a valid entry was refused");
    FUZZ_CHECK(value == reference, "an entry read to a value other than strtod's");
    return true;
}

// Takes the whole file through Read_control_data, handing out pieces of 1 to
// 7 bytes; checks what it keeps and how far it reads.
void Check_whole_file(const std::string& text)
{
    std::size_t offset = 0;
    const auto read_some = [&](char* buffer, std::size_t room) {
        const std::size_t count = std::min({room, text.size() - offset, 1 + offset % 7});
        std::copy_n(text.data() + offset, count, buffer);
        offset += count;
        return count;
    };
    bool damaged = false;
    std::string whole;
    try {
        whole = Read_control_data(read_some);
    } catch (const EIn_out_error& error) {
        FUZZ_CHECK(std::string(error.what()) == "Invalid numeric input", "wrong message of a damaged file");
        damaged = true;
    }
    FUZZ_CHECK(damaged == (text.size() > Control_data_size_limit), "the size limit was not applied");
    FUZZ_CHECK(damaged || whole == text, "a file within the limit was not kept whole");
    FUZZ_CHECK(offset <= Control_data_size_limit + 1, "the reader read past the size limit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check_whole_file(text);
    std::istringstream in(text);
    std::size_t at = 0;
    for (int entry = 0; entry < 2; ++entry)
        if (!Check_one_read(in, text, at))
            break;
    return 0;
}
