// The printing text device on arbitrary text, laid out on a fake surface
// whose metrics come from the input (character width and height, page size).
// The job must end, and every character must be drawn exactly once, in
// order, except those the layout rules consume: CR (ignored), LF (new line),
// form feed (new page) and tab (next stop). Each run lies inside the page,
// save a lone character wider than the whole line, which is drawn alone at
// the left edge; the document is begun before anything is drawn and ended
// once, last.
#include <cstdint>
#include <string>
#include <string_view>

#include "Fuzz_check.h"
#include "Text_device.h"

namespace {

bool Starts_character(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

class Fake_surface : public Print_surface {
public:
    Fake_surface(int char_width, int char_height, int page_width, int page_height)
        : char_width_(char_width), char_height_(char_height), page_width_(page_width),
          page_height_(page_height)
    {
    }

    // A non-ASCII character is twice as wide as an ASCII one.
    int Text_width(std::string_view run) override
    {
        int width = 0;
        for (const char c : run)
            if (Starts_character(c))
                width += static_cast<unsigned char>(c) < 0x80 ? char_width_ : 2 * char_width_;
        return width;
    }
    int Text_height(std::string_view) override { return char_height_; }
    int Char_height() override { return char_height_; }
    int Average_char_width() override { return char_width_; }
    int Page_width() override { return page_width_; }
    int Page_height() override { return page_height_; }

    void Begin_document() override
    {
        FUZZ_CHECK(!begun_, "the document was begun twice");
        begun_ = true;
    }
    void New_page() override
    {
        FUZZ_CHECK(begun_ && !ended_, "a page outside the document");
    }
    void Draw_text(int x, int y, std::string_view run) override
    {
        FUZZ_CHECK(begun_ && !ended_, "drawing outside the document");
        FUZZ_CHECK(!run.empty(), "an empty run was drawn");
        FUZZ_CHECK(run.find_first_of("\r\n\f\t") == std::string_view::npos,
                   "a control character of the layout was drawn");
        const bool lone_wide_character =
            x == 0 && Text_width(run) > page_width_ && Text_width(run.substr(0, 1)) == Text_width(run);
        FUZZ_CHECK(x >= 0 && (x + Text_width(run) <= page_width_ || lone_wide_character),
                   "a run beyond the right edge");
        FUZZ_CHECK(y >= 0 && (y == 0 || y + char_height_ <= page_height_), "a run below the page");
        drawn_ += run;
    }
    void End_document() override
    {
        FUZZ_CHECK(begun_ && !ended_, "the document was ended twice or never begun");
        ended_ = true;
    }

    const std::string& Drawn() const { return drawn_; }
    bool Complete() const { return begun_ == ended_; }

private:
    int char_width_;
    int char_height_;
    int page_width_;
    int page_height_;
    bool begun_ = false;
    bool ended_ = false;
    std::string drawn_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int char_width = 1 + data[0] % 16;
    const int char_height = 1 + data[1] % 16;
    const int page_width = 1 + data[2] * 4;
    const int page_height = 1 + data[3] * 4;
    const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);

    Fake_surface surface(char_width, char_height, page_width, page_height);
    Print_on(surface, text);

    std::string expected;
    for (const char c : text)
        if (c != '\r' && c != '\n' && c != '\f' && c != '\t')
            expected += c;
    FUZZ_CHECK(surface.Complete(), "a begun document was not ended");
    FUZZ_CHECK(surface.Drawn() == expected, "characters were lost, repeated or reordered");
    return 0;
}
