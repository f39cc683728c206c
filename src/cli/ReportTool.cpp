#include "ReportTool.h"

#include "CheckCommand.h"
#include "NormalizeCommand.h"

#include <ctime>
#include <memory>

namespace selen::cli {

namespace {
void printHelp(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands)
{
    out << "selen-report: check and normalize lunar occultation reports (LOR files)\n\nusage:\n";
    for (const auto& command : commands)
        out << "  selen-report " << command->usage() << "\n      " << command->summary() << '\n';
    out << "  selen-report --help\n\n"
           "exit status: 0 no problems, 1 problems found or a report refused, 2 bad arguments,\n"
           "an unreadable report, an output that is a folder or a failed write\n";
}

// Today's local date from the system clock.
RuleContext today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return RuleContext{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}
}  // namespace

int runReportTool(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out, std::ostream& err)
{
    return runReportTool(args, fs, out, err, today());
}

int runReportTool(const std::vector<std::string>& args, FileSystem& fs, std::ostream& out, std::ostream& err,
                  const RuleContext& context)
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommand>(fs, context));
    commands.push_back(std::make_unique<NormalizeCommand>(fs));

    if (args.empty()) {
        printHelp(err, commands);
        return kExitFailure;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(out, commands);
        return kExitOk;
    }
    for (const auto& command : commands) {
        if (command->name() == args[0])
            return command->execute(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    err << "selen-report: unknown command '" << args[0] << "'; try 'selen-report --help'\n";
    return kExitFailure;
}

}  // namespace selen::cli
