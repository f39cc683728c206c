#include "CheckCommand.h"

#include "ProblemText.h"

#include "report/ReportCheck.h"

namespace selen::cli {

namespace {
enum class Format { Text, Tsv, Json };

void printText(std::ostream& out, const std::string& file, const Problem& p)
{
    out << file;
    if (p.line != 0)
        out << ':' << p.line;
    out << ": ";
    if (std::string where = problemPlace(p); !where.empty())
        out << where << ": ";
    out << problemMessage(p) << '\n';
}

// Tabs and line ends never occur in our own messages; file names may hold them.
std::string tsvField(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

void printTsv(std::ostream& out, const std::string& file, const Problem& p)
{
    out << tsvField(file) << '\t' << p.line << '\t' << p.record << '\t' << p.firstColumn << '\t' << p.lastColumn
        << '\t' << problemName(p.code) << '\t' << problemMessage(p) << '\n';
}

void printJson(std::ostream& out, const std::string& file, const Problem& p, bool first)
{
    out << (first ? "\n" : ",\n") << "{\"file\":" << jsonString(validUtf8(file)) << ",\"line\":" << p.line
        << ",\"record\":" << p.record << ",\"site\":" << p.site << ",\"observer\":" << p.observer
        << ",\"field\":" << (p.field ? jsonString(fieldInfo(*p.field).caption) : std::string("null"))
        << ",\"first_column\":" << p.firstColumn << ",\"last_column\":" << p.lastColumn
        << ",\"rule\":" << jsonString(problemName(p.code)) << ",\"message\":" << jsonString(problemMessage(p)) << '}';
}
}  // namespace

int CheckCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Format format = Format::Text;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--format=text") {
            format = Format::Text;
        } else if (arg == "--format=tsv") {
            format = Format::Tsv;
        } else if (arg == "--format=json") {
            format = Format::Json;
        } else if (arg.starts_with("-") && arg != "-") {
            err << "selen-report check: unknown option '" << arg << "'\nusage: selen-report " << usage() << '\n';
            return kExitFailure;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        err << "selen-report check: name at least one report file\nusage: selen-report " << usage() << '\n';
        return kExitFailure;
    }

    if (format == Format::Tsv)
        out << "file\tline\trecord\tfirst_column\tlast_column\tproblem\tmessage\n";
    if (format == Format::Json)
        out << '[';
    std::size_t problemCount = 0;
    std::size_t filesWithProblems = 0;
    std::size_t unreadable = 0;
    std::string bytes;
    for (const std::string& file : files) {
        if (FileResult read = fs_.readFile(file, bytes); !read) {
            err << "selen-report check: cannot read " << read.error << '\n';
            ++unreadable;
            continue;
        }
        const std::vector<Problem> problems = checkReportText(bytes, context_);
        for (const Problem& p : problems) {
            if (format == Format::Tsv)
                printTsv(out, file, p);
            else if (format == Format::Json)
                printJson(out, file, p, problemCount == 0 && &p == &problems.front());
            else
                printText(out, file, p);
        }
        problemCount += problems.size();
        filesWithProblems += problems.empty() ? 0 : 1;
    }
    if (format == Format::Json)
        out << (problemCount == 0 ? "]\n" : "\n]\n");

    std::ostream& summary = format == Format::Text ? out : err;
    summary << "checked " << files.size() - unreadable << " of " << files.size() << " file"
            << (files.size() == 1 ? "" : "s") << ": " << problemCount << " problem" << (problemCount == 1 ? "" : "s")
            << " in " << filesWithProblems << " file" << (filesWithProblems == 1 ? "" : "s");
    if (unreadable > 0)
        summary << ", " << unreadable << " unreadable";
    summary << '\n';

    if (unreadable > 0)
        return kExitFailure;
    return filesWithProblems > 0 ? kExitProblems : kExitOk;
}

}  // namespace selen::cli
