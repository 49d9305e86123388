// The Motif window-manager hints of each title-bar choice: every window can
// be moved; resizing and maximising, minimising and closing come with the
// choice, each with its decoration.
#include <gtest/gtest.h>

#include <string>

#include "Title_buttons.h"

namespace {

// The bits of MwmUtil.h.
constexpr unsigned Flag_functions = 1u << 0, Flag_decorations = 1u << 1;
constexpr unsigned Function_all = 1u << 0, Function_resize = 1u << 1, Function_move = 1u << 2,
                   Function_minimise = 1u << 3, Function_maximise = 1u << 4, Function_close = 1u << 5;
constexpr unsigned Decoration_all = 1u << 0, Decoration_resize = 1u << 2, Decoration_title = 1u << 3,
                   Decoration_minimise = 1u << 5, Decoration_maximise = 1u << 6;

struct Expected_buttons {
    Title_buttons Buttons;
    bool Minimise;
    bool Close;
    bool Maximise;  // and resize
};

void PrintTo(const Expected_buttons& row, std::ostream* out)
{
    *out << Name(row.Buttons);
}

class Title_button_hints : public ::testing::TestWithParam<Expected_buttons> {};

TEST_P(Title_button_hints, OfferExactlyTheChosenButtons)
{
    const Motif_hints hints = Motif_hints_for(GetParam().Buttons);
    EXPECT_EQ(hints.Flags, Flag_functions | Flag_decorations);
    EXPECT_EQ(hints.Functions & Function_all, 0u);
    EXPECT_EQ(hints.Functions & (Function_resize | Function_maximise),
              GetParam().Maximise ? Function_resize | Function_maximise : 0u);
    EXPECT_EQ(hints.Decorations & (Decoration_resize | Decoration_maximise),
              GetParam().Maximise ? Decoration_resize | Decoration_maximise : 0u);
    EXPECT_NE(hints.Functions & Function_move, 0u);
    EXPECT_EQ((hints.Functions & Function_minimise) != 0, GetParam().Minimise);
    EXPECT_EQ((hints.Decorations & Decoration_minimise) != 0, GetParam().Minimise);
    EXPECT_EQ((hints.Functions & Function_close) != 0, GetParam().Close);
    EXPECT_EQ(hints.Decorations & Decoration_all, 0u);
    EXPECT_NE(hints.Decorations & Decoration_title, 0u);
}

INSTANTIATE_TEST_SUITE_P(Choices, Title_button_hints,
                         ::testing::Values(Expected_buttons{Title_buttons::Maximise, false, false, true},
                                           Expected_buttons{Title_buttons::Minimise_and_close, true, true, false},
                                           Expected_buttons{Title_buttons::Close, false, true, false}),
                         [](const auto& info) {
                             std::string name(Name(info.param.Buttons));
                             for (char& c : name)
                                 if (c == ' ')
                                     c = '_';
                             return name;
                         });

}  // namespace
