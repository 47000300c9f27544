#pragma once
#include <string>

// A JSON string literal of 8-bit game text.
std::string jsonString(const std::string& text);
