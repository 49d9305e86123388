// Test helper: the message of the EArgumentError a call raises.
#pragma once

#include "distrib.h"

#include <gtest/gtest.h>

#include <string>

template <typename Call>
std::string Refusal_text(Call call)
{
    try {
        call();
    } catch (const EArgumentError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no EArgumentError raised";
    return {};
}

// The text of message n followed by the printed bound.
inline std::string Bound_text(std::int32_t n, const char* bound) { return Message_text(n) + bound; }
