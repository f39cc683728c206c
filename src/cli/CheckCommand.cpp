#include "CheckCommand.h"

#include "ProblemText.h"

#include "report/ReportCheck.h"

#include <charconv>

namespace selen::cli {

namespace {
enum class Format { Text, Tsv, Json };

// Tabs and line ends never occur in our own messages; file names may hold them.
std::string tsvField(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

void appendNumber(std::string& out, std::uint64_t number)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// One problem as a line of the chosen format, appended to `out`. `file` is
// the name as that format writes it.
void appendProblem(std::string& out, Format format, std::string_view file, const Problem& p, bool first)
{
    switch (format) {
    case Format::Text: {
        out += file;
        if (p.line != 0) {
            out += ':';
            appendNumber(out, p.line);
        }
        out += ": ";
        const std::size_t placeAt = out.size();
        appendProblemPlace(out, p);
        if (out.size() > placeAt)
            out += ": ";
        appendProblemMessage(out, p);
        out += '\n';
        return;
    }
    case Format::Tsv:
        out += file;
        for (std::uint64_t number : {std::uint64_t{p.line}, std::uint64_t{p.record}, std::uint64_t{p.firstColumn},
                                     std::uint64_t{p.lastColumn}}) {
            out += '\t';
            appendNumber(out, number);
        }
        out += '\t';
        out += problemName(p.code);
        out += '\t';
        appendProblemMessage(out, p);
        out += '\n';
        return;
    case Format::Json:
        out += first ? "\n{\"file\":" : ",\n{\"file\":";
        out += file;
        struct Number {
            std::string_view key;
            std::uint64_t value;
        };
        for (Number n : {Number{",\"line\":", p.line}, Number{",\"record\":", p.record}, Number{",\"site\":", p.site},
                         Number{",\"observer\":", p.observer}}) {
            out += n.key;
            appendNumber(out, n.value);
        }
        out += ",\"field\":";
        if (p.field)
            appendJsonString(out, fieldInfo(*p.field).caption);
        else
            out += "null";
        out += ",\"first_column\":";
        appendNumber(out, p.firstColumn);
        out += ",\"last_column\":";
        appendNumber(out, p.lastColumn);
        out += ",\"rule\":";
        appendJsonString(out, problemName(p.code));
        out += ",\"message\":";
        {
            std::string message;
            appendProblemMessage(message, p);
            appendJsonString(out, message);
        }
        out += '}';
        return;
    }
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
    std::string lines;  // one file's problems, written at once
    for (const std::string& file : files) {
        if (FileResult read = fs_.readFile(file, bytes); !read) {
            err << "selen-report check: cannot read " << read.error << '\n';
            ++unreadable;
            continue;
        }
        const std::vector<Problem> problems = checkReportText(bytes, context_);
        const std::string name = format == Format::Tsv    ? tsvField(file)
                               : format == Format::Json ? jsonString(validUtf8(file))
                                                          : file;
        lines.clear();
        for (const Problem& p : problems)
            appendProblem(lines, format, name, p, problemCount == 0 && &p == &problems.front());
        out << lines;
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
