// The one failure plughost reports: a sentence for the user, printed as
// "plughost: <sentence>" and ending the run with exit code 1.
#pragma once

#include <stdexcept>
#include <string>

class HostError : public std::runtime_error {
public:
    explicit HostError(const std::string& sentence) : std::runtime_error(sentence) {}
};
