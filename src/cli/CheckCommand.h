#pragma once

#include "Command.h"

#include "report/FileSystem.h"
#include "report/ReportRules.h"

namespace selen::cli {

// `check FILE...`: lists every problem of each report, then a summary.
class CheckCommand final : public Command {
public:
    CheckCommand(FileSystem& fs, const RuleContext& context) : fs_(fs), context_(context) {}
    std::string_view name() const override { return "check"; }
    std::string_view usage() const override { return "check [--format=text|tsv|json] FILE..."; }
    std::string_view summary() const override { return "list the problems of each report; exit 1 when there are any"; }
    int execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override;

private:
    FileSystem& fs_;
    RuleContext context_;
};

}  // namespace selen::cli
