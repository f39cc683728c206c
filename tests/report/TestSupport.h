#pragma once

// Helpers shared by the report-core and report-tool tests: report text
// assembly, records built through their own column puts, an in-memory file
// system that fails on demand, and a scratch folder on the real disk.

#include "report/FileSystem.h"
#include "report/ObservationItem.h"
#include "report/Report.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace selen::test {

// Lines each ended by CR LF, as a report file holds them.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string fixturePath(const std::string& name) { return std::string(SELEN_FIXTURES) + "/" + name; }

using FieldValues = std::vector<std::pair<columns::Field, std::string>>;

inline ObservationItem record(const FieldValues& values)
{
    ObservationItem item;
    for (const auto& [field, value] : values)
        item.put(field, value);
    return item;
}

// A plain timed record: year, a date and time that vary with `n`, a ZC star
// and the codes every record needs, at site and observer A.
inline ObservationItem plainRecord(int n, std::string year = "2024")
{
    const std::string two = std::to_string(10 + n % 50);
    return record({{columns::kYear, year}, {columns::kMonth, "03"}, {columns::kDay, "15"}, {columns::kHour, two},
                   {columns::kMinute, two}, {columns::kSecond, two}, {columns::kCatalogue, "R"},
                   {columns::kObjectNumber, "  " + std::to_string(1000 + n % 9000)}, {columns::kPhenomenon, "D"},
                   {columns::kLimb, "D"}, {columns::kPersonalEquationApplication, "E"},
                   {columns::kTimingMethod1, "G"}, {columns::kTimeSource, "G"}, {columns::kCertainty, "1"},
                   {columns::kSkyStability, "1"}, {columns::kSkyTransparency, "2"}, {columns::kSite, "A"},
                   {columns::kObserver, "A"}});
}

// A report with one site, one observer and the given records, numbered.
inline Report reportWith(std::vector<ObservationItem> records)
{
    Report report = Report::fresh();
    report.placeName = "Hachioji";
    report.observations = std::move(records);
    report.renumber();
    return report;
}

// Files held in a map. `fails` decides, per call, whether a write, rename or
// remove fails; a failing write leaves half of its bytes behind, as a full
// disk does.
class FakeFileSystem final : public FileSystem {
public:
    struct Call {
        std::string op;  // "write", "rename" or "remove"
        std::string from;
        std::string to;  // the path written, removed or renamed to
    };

    std::map<std::string, std::string> files;
    std::vector<Call> calls;
    std::function<bool(const Call&)> fails = [](const Call&) { return false; };

    bool exists(const std::string& path) override { return files.count(path) > 0; }

    FileResult remove(const std::string& path) override
    {
        if (failed({"remove", "", path}) || files.erase(path) == 0)
            return FileResult::failure(path + ": cannot remove");
        return FileResult::success();
    }

    FileResult rename(const std::string& from, const std::string& to) override
    {
        if (failed({"rename", from, to}) || files.count(from) == 0)
            return FileResult::failure(to + ": cannot rename");
        std::string bytes = std::move(files[from]);
        files.erase(from);
        files[to] = std::move(bytes);
        return FileResult::success();
    }

    FileResult writeFile(const std::string& path, std::string_view bytes) override
    {
        if (failed({"write", "", path})) {
            files[path] = std::string(bytes.substr(0, bytes.size() / 2));
            return FileResult::failure(path + ": No space left on device");
        }
        files[path] = std::string(bytes);
        return FileResult::success();
    }

    FileResult readFile(const std::string& path, std::string& bytes) override
    {
        auto found = files.find(path);
        if (found == files.end())
            return FileResult::failure(path + ": No such file or directory");
        bytes = found->second;
        return FileResult::success();
    }

private:
    bool failed(Call call)
    {
        calls.push_back(std::move(call));
        return fails(calls.back());
    }
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "selen-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return (path_ / name).string(); }

    // Every file in the folder with its bytes.
    std::map<std::string, std::string> contents() const
    {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            found[entry.path().filename().string()] = entry.is_regular_file() ? readBytes(entry.path()) : "<dir>";
        return found;
    }

private:
    std::filesystem::path path_;
};

}  // namespace selen::test
