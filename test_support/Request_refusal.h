// The request step's refusal of four input texts, for the tests of the front
// ends: each checks that this refusal reaches its user, in its own form (a
// warning box, standard error, a table's error column), without typing the
// message's words again; they are tested once, beside the request step.
#pragma once

#include <string>

#include "Comparison_request_step.h"

// The refusal's message (lines broken with a lone CR), for two-sided limits
// at the default level; throws std::logic_error when the texts are accepted.
std::string Request_refusal(const Comparison_texts& texts, char separator = '.',
                            Inner_blanks inner_blanks = Inner_blanks::Skipped);

// The message on one line, as a table's error column holds it: each control
// character (its CR line breaks, and any that a quoted text holds) a blank.
std::string Refusal_on_one_line(std::string message);
