// The font family that the printing tests print in: the report's own.
#pragma once

#include <string>

inline const std::string Font_family = "Courier New";
