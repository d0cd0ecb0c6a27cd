#pragma once
// The error of client generation and its tests: a message with the causes
// that led to it. Input/output errors travel as pakko::IoError unchanged.
#include <stdexcept>
#include <string>

namespace tarnwick::client_gen {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tarnwick::client_gen
