#include "NormalizeCommand.h"

#include "ProblemText.h"

#include "report/ReportCheck.h"
#include "report/ReportReader.h"
#include "report/ReportSaver.h"
#include "report/ReportWriter.h"
#include "report/TextLines.h"

#include <optional>

namespace selen::cli {

namespace {

// The command line asks nothing: the user named the output. A backup that
// cannot be made is said on the error stream.
class ToolQuestions final : public SaveQuestions {
public:
    explicit ToolQuestions(std::ostream& err) : err_(err) {}
    bool confirmOverwrite(const std::string&) override { return true; }
    void backupNotMade(const std::string& backupPath) override
    {
        err_ << "selen-report normalize: warning: the backup " << backupPath << " could not be made\n";
    }

private:
    std::ostream& err_;
};

struct Arguments {
    std::string input;
    std::optional<std::string> output;
    bool force = false;
};

std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::ostream& err)
{
    Arguments parsed;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size() || parsed.output) {
                err << "selen-report normalize: -o takes one output file\n";
                return std::nullopt;
            }
            parsed.output = args[++i];
        } else if (arg == "--force") {
            parsed.force = true;
        } else if (arg.starts_with("-")) {
            err << "selen-report normalize: unknown option '" << arg << "'\n";
            return std::nullopt;
        } else if (haveInput) {
            err << "selen-report normalize: name one report file\n";
            return std::nullopt;
        } else {
            parsed.input = arg;
            haveInput = true;
        }
    }
    if (!haveInput) {
        err << "selen-report normalize: name the report file\n";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int NormalizeCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<Arguments> parsed = parseArguments(args, err);
    if (!parsed) {
        err << "usage: selen-report " << usage() << '\n';
        return kExitFailure;
    }
    const std::string target = parsed->output.value_or(parsed->input);
    if (parsed->output && fs_.isDirectory(target)) {
        err << "selen-report normalize: " << target << " is a folder; name the report file to write, for example "
            << target << "/report.LOR\n";
        return kExitFailure;
    }
    std::string bytes;
    if (FileResult read = fs_.readFile(parsed->input, bytes); !read) {
        err << "selen-report normalize: cannot read " << read.error << '\n';
        return kExitFailure;
    }

    const std::vector<std::string_view> lines = splitLines(bytes);
    ReadReport read = parseReportLines(lines);
    if (read.recordsLeftOut > 0) {
        err << "selen-report normalize: " << parsed->input << " holds "
            << ObservationItem::kMaxRecords + read.recordsLeftOut << " records; a report holds at most "
            << ObservationItem::kMaxRecords << ". Nothing was written; split the report first.\n";
        return kExitProblems;
    }
    // Whatever reading passes over or cuts is said, line by line, and the
    // file is written without it only when asked to.
    const std::vector<Problem> lost = readingProblems(bytes, lines, read);
    for (const Problem& p : lost) {
        err << "selen-report normalize: " << parsed->input << ':' << p.line << ": ";
        if (std::string where = problemPlace(p); !where.empty())
            err << where << ": ";
        err << problemMessage(p) << '\n';
    }
    if (!lost.empty() && !parsed->force) {
        err << "selen-report normalize: nothing was written: " << lost.size() << (lost.size() == 1 ? " line" : " lines")
            << " above would not be kept as they are; correct them, or give --force to write the report without them\n";
        return kExitProblems;
    }
    if (!lost.empty())
        err << "selen-report normalize: --force: the report is written without the text above\n";

    ToolQuestions questions(err);
    SaveOutcome saved = saveReportFile(fs_, questions, target, buildReportText(read.report));
    if (saved.status != SaveOutcome::Status::Saved) {
        err << "selen-report normalize: cannot write " << saved.cause;
        if (!saved.reportLeftAs.empty())
            err << " (the previous report is kept only as " << saved.reportLeftAs << ")";
        if (!saved.olderBackupLeftAs.empty())
            err << " (the older backup is kept as " << saved.olderBackupLeftAs << ")";
        err << '\n';
        return kExitFailure;
    }
    out << "normalized " << parsed->input << " -> " << target << '\n';
    return kExitOk;
}

}  // namespace selen::cli
