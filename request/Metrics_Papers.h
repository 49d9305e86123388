// Input routines of the worksheet: the key filter, the six-character limit,
// the numeric reader and the checks of SD and sample size. They talk to the
// user only through User_messages (warning box and beep). Message texts break
// lines with a lone CR (code 13).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "User_messages.h"

// Set by every Read_numeric_input: true when the text was empty or not numeric.
// One flag per thread: the windows read and test it on their one thread, and
// each thread computing a table's rows reads its rows' numbers and tests the
// flag it set itself, never one another thread has just changed.
extern thread_local bool Input_error;

// The key filter of every input field: a comma becomes a full stop; backspace,
// tab, Enter, '-', '.' and digits pass; anything else beeps, warns and gives 0.
char Filter_numeric_key(User_messages& messages, char key);

// The most characters an input field holds.
inline constexpr std::size_t Maximum_input_length = 6;

// Called with a text longer than Maximum_input_length characters: beeps, warns
// and returns its first Maximum_input_length characters (UTF-8 characters,
// never a part of one).
std::string Limit_input_length(User_messages& messages, const std::string& text);

// What a blank between two characters of a number means. The worksheet's key
// filter lets no blank be typed, so a field can hold one only when pasted,
// and its reader skips it. Texts typed or pasted elsewhere (a command line, a
// table's cell) are refused for it: there "50 5" is a typo or a thousands
// separator, never the number 505.
enum class Inner_blanks { Skipped, Refused };

// Reads the number in a field's text; sets Input_error and warns on refusal.
// Blanks are skipped before and after the number, and inside it as
// inner_blanks says; a minus sign is allowed only as the first character;
// one decimal point. The value is the double nearest the number (ties to
// even) in every build. A text without any digit, or one whose value lies
// beyond a double's range, is refused as not numeric; a fraction below the
// smallest double reads as 0.
double Read_numeric_input(User_messages& messages, const std::string& text,
                          std::string_view caption, Inner_blanks inner_blanks = Inner_blanks::Skipped);

// True when value > 0; otherwise warns with the value as "%3.3f" with the
// given decimal separator.
bool Check_positive_sd(User_messages& messages, std::string_view caption, double value,
                       char separator);
// True when value is a whole number from 3 to 2147483647, so that it converts
// exactly to a signed 32-bit N; otherwise warns with the value as "%3.3f".
bool Check_sample_size(User_messages& messages, std::string_view caption, double value,
                       char separator);
