#pragma once

#include <string>

// A narrow text as a JSON string literal.
std::string JsonText(const std::string& text);
