// What goes wrong with resources: data that does not read, and an id the
// program asks for that its resources do not have.
#pragma once

#include "platform/res/kind.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace res {

// Resource data that does not follow its format; names the line.
class FormatError : public std::runtime_error {
public:
    FormatError(const std::string& source, int line, const std::string& what);
    int Line() const { return line_; }

private:
    int line_;
};

// A resource asked for that does not exist: a fault of the program.
class MissingResource : public std::logic_error {
public:
    MissingResource(Kind kind, std::uint32_t id);
    Kind GetKind() const { return kind_; }
    std::uint32_t GetId() const { return id_; }

private:
    Kind kind_;
    std::uint32_t id_;
};

} // namespace res
