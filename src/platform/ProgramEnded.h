#pragma once
#include <exception>

namespace tw {

// Thrown when the program must end at once (a terminating message, the fatal dump,
// Exit). It unwinds the running operation past every error trap; the view quits.
class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "program ended"; }
};

}  // namespace tw
