#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace selen::cli {

// Exit statuses of the report tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;  // problems found, or a file refused
inline constexpr int kExitFailure = 2;   // bad arguments, unreadable input, failed write

// One verb of the report tool. Streams are passed in so that tests call the
// command directly.
class Command {
public:
    virtual ~Command() = default;
    virtual std::string_view name() const = 0;
    virtual std::string_view usage() const = 0;
    virtual std::string_view summary() const = 0;
    virtual int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;
};

}  // namespace selen::cli
