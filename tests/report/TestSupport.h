#pragma once

// Helpers shared by the report-core and report-tool tests: report text
// assembly, records built through their own column puts, an in-memory file
// system that fails on demand, and a scratch folder on the real disk.

#include "report/FileSystem.h"
#include "report/ObservationItem.h"
#include "report/RecordLetters.h"
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

inline std::string repeat(const std::string& text, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += text;
    return out;
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

inline std::string pick(const std::string& codes, int n) { return std::string(1, codes[n % codes.size()]); }
inline std::string twoDigits(int n) { return std::string(1, char('0' + n / 10 % 10)) + char('0' + n % 10); }
inline std::string right(std::string text, std::size_t width) { return std::string(width > text.size() ? width - text.size() : 0, ' ') + text; }

// A record with every column of the line filled from the code lists, its
// catalogue cycling through R S X U A P, and a comment in the layout of its
// catalogue (the GSC marker and number first for U).
inline ObservationItem fullRecord(int n)
{
    using namespace columns;
    const std::string catalogue = pick("RSXUAP", n);
    FieldValues values = {
        {kYear, std::to_string(1600 + n * 37 % 601)}, {kMonth, twoDigits(n % 12 + 1)}, {kDay, twoDigits(n % 28 + 1)},
        {kHour, twoDigits(n % 24)}, {kMinute, twoDigits(n % 60)}, {kSecond, twoDigits(n * 7 % 60)},
        {kSecondPoint, "."}, {kSecondFraction, std::to_string(n % 1000)}, {kCatalogue, catalogue},
        {kWdsComponent, pick("AB ", n)}, {kPhenomenon, pick("DRBFMSEO", n)}, {kLimb, pick("DBU", n)},
        {kGrazeFlag, pick("G ", n)}, {kPersonalEquationWhole, pick("0123456789", n)}, {kPersonalEquationPoint, "."},
        {kPersonalEquationFraction, twoDigits(n)}, {kPersonalEquationApplication, pick("SABUEX", n)},
        {kTimingMethod1, pick("GVMSTEPKXC", n)}, {kTimingMethod2, pick("GVMSTEPKXCA", n)},
        {kTimeSource, pick("GRNCTMO", n)}, {kAccuracyWhole, "0"}, {kAccuracyPoint, "."}, {kAccuracyFraction, "04"},
        {kCertainty, pick("123", n)}, {kSignalToNoiseUnits, "3"}, {kSignalToNoisePoint, "."},
        {kSignalToNoiseTenths, pick("0123456789", n)}, {kDoubleStarComponent, pick("WENSBF", n)},
        {kDurationWhole, "1"}, {kDurationPoint, "."}, {kDurationFraction, "2"}, {kLightLevel, pick("TF", n)},
        {kSkyStability, pick("123", n)}, {kSkyTransparency, pick("321", n)}, {kRemarks, pick("123456789", n)},
        {kTemperature, right(std::to_string(n % 60 - 20), 3)},
        {kSite, pick("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", n)},
        {kObserver, pick("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", n * 5)}};
    if (catalogue == "U") {
        values.insert(values.end(), {{kGscMarker, "G"}, {kGscRegion, right(std::to_string(n % 9999 + 1), 4)},
                                     {kGscNumber, right(std::to_string(n * 13 % 99999), 5)},
                                     {kGscCommentText, "gsc star " + std::to_string(n)}});
    } else {
        const std::string number = std::to_string(n % 9000 + 1000);
        values.push_back(catalogue == "P" ? std::pair{kPlanetCode, number} : std::pair{kObjectNumber, right(number, 6)});
        values.push_back({kCommentArea, "comment of record " + std::to_string(n)});
    }
    return record(values);
}

// A site line with every field put, lettered by its position.
inline SiteLine fullSite(std::size_t i)
{
    const int n = static_cast<int>(i);
    SiteLine site = SiteLine::create(i);
    site.setTelescopeType(pick("RNCO ", n));
    site.setMount(pick("EA ", n));
    site.setDrive(pick("DM ", n));
    site.setAperture(std::to_string(5 + n * 3));
    site.setFocalLength(std::to_string(50 + n * 10));
    site.setLongitudeEast(n % 4 != 0);
    site.setLongitudeDegrees(std::to_string(n * 3 % 181));
    site.setLongitudeMinutes(std::to_string(n * 7 % 60));
    site.setLongitudeSeconds(std::to_string(n * 11 % 60));
    site.setLongitudeDecimals(std::string(n % 3, '3'));
    site.setLatitudeNorth(n % 5 != 0);
    site.setLatitudeDegrees(std::to_string(n * 5 % 91));
    site.setLatitudeMinutes(std::to_string(n * 13 % 60));
    site.setLatitudeSeconds(std::to_string(n * 17 % 60));
    site.setLatitudeDecimals(std::string(n % 3, '7'));
    site.setHorizontalDatum(SiteLine::horizontalDatums().entries()[i % 11]);
    site.setAltitude(std::to_string(n * 37 % 4000));
    site.setAltitudeTenths(n % 2 == 0 ? "" : std::to_string(n % 10));
    site.setHeightDatum(i % 2);
    return site;
}

// A report that uses every column: header with a message, 52 sites, 52
// observers, `records` full records and a message block.
inline Report fullReport(int records)
{
    Report report;
    report.placeName = "Hachioji, Tokyo";
    report.emailAddress = "observer@example.jp";
    report.representative = "Selen Observing Group";
    report.headerMessage = {"Clear sky", "Second line  "};
    for (std::size_t i = 0; i < kMaxLetteredLines; ++i) {
        report.sites.push_back(fullSite(i));
        ObserverLine observer = ObserverLine::create(i);
        observer.setName(pick("ABCDEFG", int(i)) + ". Observer" + std::to_string(i));
        if (i % 4 != 3)
            observer.setEmail("obs" + std::to_string(i) + "@example.jp");
        report.observers.push_back(observer);
    }
    for (int n = 0; n < records; ++n)
        report.observations.push_back(fullRecord(n));
    report.renumber();
    report.optionsMessage = {"First paragraph.", "", "  indented", "Last line."};
    return report;
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
