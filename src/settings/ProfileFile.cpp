#include "ProfileFile.h"

#include "report/Cp932.h"

// The parser is used on bytes as they are: values are CP932, never UTF-8.
// SI_IMPLEMENTATION brings in the template code, so nothing needs linking.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace selen {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool hasAny(std::string_view text, std::string_view chars)
{
    return text.find_first_of(chars) != std::string_view::npos;
}

bool blankAtAnEnd(std::string_view text) { return !text.empty() && (isBlank(text.front()) || isBlank(text.back())); }

// Each line break or NUL would end the entry early when the file is read.
constexpr std::string_view kLineEnds("\r\n\0", 3);

// Why the file could not keep this entry as given, or empty when it can.
// Names are read back trimmed, so blanks at their ends would be lost; "]"
// ends a section name, "=" ends a key, and a key line starting with "[",
// ";" or "#" would read as a section or a comment.
std::string entryProblem(std::string_view section, std::string_view key, std::string_view value)
{
    if (section.empty() || blankAtAnEnd(section) || hasAny(section, kLineEnds) || hasAny(section, "]"))
        return "the section name \"" + std::string(section) + "\" cannot stand in the file";
    if (key.empty() || blankAtAnEnd(key) || hasAny(key, kLineEnds) || hasAny(key, "=") || key.front() == '['
        || key.front() == ';' || key.front() == '#')
        return "the key \"" + std::string(key) + "\" cannot stand in the file";
    if (hasAny(value, kLineEnds))
        return "the value for \"" + std::string(key) + "\" holds a line break or a NUL byte";
    return {};
}

// The file's bytes made safe for the parser, which works on C strings:
// - A NUL byte would hide the rest of the file (a file cut short by a crash
//   is often padded with them); it is read as a blank.
// - A line starting with "[" but holding no "]" would become part of the
//   next section's name, line break included, and a rewrite would then
//   scramble the file. It is read as a comment instead, so the entries below
//   it stay in the section above it and the line itself survives a rewrite.
std::string prepared(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + 16);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string line(bytes.substr(pos, end - pos));
        std::replace(line.begin(), line.end(), '\0', ' ');
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] == '[' && line.find(']', first) == std::string::npos)
            text += ';';
        text += line;
        pos = std::min(bytes.find_first_not_of("\r\n", end), bytes.size());
        text.append(bytes.substr(end, pos - end));
    }
    return text;
}

// The parser set up for this file: names without letter case, one value per
// key, one line per value, "key=value" without spaces around "=".
class Parsed {
public:
    Parsed() : ini_(/*utf8*/ false, /*multiKey*/ false, /*multiLine*/ false) { ini_.SetSpaces(false); }

    // Reads what can be read; false only when memory ran out.
    bool load(std::string_view bytes)
    {
        const std::string text = prepared(bytes);
        return ini_.LoadData(text.data(), text.size()) >= 0;
    }

    CSimpleIniA& ini() { return ini_; }

private:
    CSimpleIniA ini_;
};

std::string temporaryNameFor(const std::string& path)
{
    const std::filesystem::path target(path);
    return (target.parent_path() / ("." + target.filename().string() + ".selen-save")).string();
}

}  // namespace

ProfileFile::ProfileFile(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}

std::string ProfileFile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    // A name with a NUL in it would be cut short and could find another entry.
    if (hasAny(section, std::string_view("\0", 1)) || hasAny(key, std::string_view("\0", 1)))
        return std::string(fallback);
    std::string bytes;
    Parsed parsed;
    if (!fs_.readFile(path_, bytes) || !parsed.load(bytes))
        return std::string(fallback);
    const char* found = parsed.ini().GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (found == nullptr)
        return std::string(fallback);
    const std::string_view value(found);
    return std::string(value.substr(0, cp932::safeCutLength(value, kMaxValueBytes)));
}

FileResult ProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    if (std::string problem = entryProblem(section, key, value); !problem.empty())
        return FileResult::failure("Nothing was written to the settings file " + path_ + ": " + problem + ".");

    std::string bytes;
    if (FileResult got = fs_.readFile(path_, bytes); !got) {
        // Rewriting a file that is there but could not be read would lose
        // everything else it holds.
        if (fs_.exists(path_))
            return FileResult::failure("The settings file " + path_ + " could not be read, so it was left as it is ("
                                       + got.error + ").");
        bytes.clear();
    }

    Parsed parsed;
    std::string text;
    if (!parsed.load(bytes)
        || parsed.ini().SetValue(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str()) < 0
        || parsed.ini().Save(text, /*addSignature*/ false) < 0)
        return FileResult::failure("The settings file " + path_
                                   + " could not be written (the program ran out of memory).");

    // A file starting with these bytes is read as UTF-8 text with its
    // signature dropped; a first key that happens to start with them keeps
    // them only behind a line break.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.insert(0, "\n");

    const std::string temp = temporaryNameFor(path_);
    FileResult done = fs_.writeFile(temp, text);
    if (done)
        done = fs_.rename(temp, path_);
    if (!done) {
        fs_.remove(temp);
        return FileResult::failure("The settings file " + path_ + " could not be written (" + done.error + ").");
    }
    return FileResult::success();
}

}  // namespace selen
