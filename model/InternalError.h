#pragma once
#include <stdexcept>
#include <string>

// An inconsistency that ordinary play cannot produce. Front ends let it end the
// program (after saving what can be saved), never swallow it.
class InternalError : public std::runtime_error {
public:
    explicit InternalError(const std::string& text) : std::runtime_error(text) {}
};
