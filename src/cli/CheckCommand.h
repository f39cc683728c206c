#pragma once

#include "Command.h"

#include "report/FileSystem.h"

namespace selen::cli {

// `check FILE...`: lists every problem of each report, then a summary.
class CheckCommand final : public Command {
public:
    explicit CheckCommand(FileSystem& fs) : fs_(fs) {}
    std::string_view name() const override { return "check"; }
    std::string_view usage() const override { return "check [--format=text|tsv] FILE..."; }
    std::string_view summary() const override { return "list the problems of each report; exit 1 when there are any"; }
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    FileSystem& fs_;
};

}  // namespace selen::cli
