// The one exception type the system raises. Its text is what the
// application's default handler shows in a message box, so the texts are
// short fixed phrases, each written once as a named constant where it is
// raised.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    explicit Exception(const char* message) : std::runtime_error(message) {}
};
