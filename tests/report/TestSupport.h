#pragma once

// Shared by the report-core, report-tool, settings and editor tests: report
// text assembly, records built through their own column puts, and a scratch
// folder on the real disk.

#include "report/RecordLetters.h"
#include "report/Report.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

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
    while (times-- > 0)
        out += text;
    return out;
}

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
inline std::string fixturePath(const std::string& name) { return std::string(SELEN_FIXTURES) + "/" + name; }
inline std::string pick(const std::string& codes, int n) { return codes.substr(n % codes.size(), 1); }
inline std::string right(std::string text, std::size_t width) { return std::string(width - std::min(width, text.size()), ' ') + text; }

using FieldValues = std::vector<std::pair<columns::Field, std::string>>;

// `item` with `values` put over it, every other column as it is.
inline ObservationItem record(const FieldValues& values, ObservationItem item = {})
{
    for (const auto& [field, value] : values)
        item.put(field, value);
    return item;
}

// A timed record at site and observer A whose time varies with `n`.
inline ObservationItem plainRecord(int n, std::string year = "2024")
{
    using namespace columns;
    const std::string t = std::to_string(10 + n % 50);
    return record({{kYear, year}, {kMonth, "03"}, {kDay, "15"}, {kHour, t}, {kMinute, t}, {kSecond, t},
                   {kCatalogue, "R"}, {kObjectNumber, right(std::to_string(n), 6)}, {kPhenomenon, "D"}, {kLimb, "D"},
                   {kPersonalEquationApplication, "E"}, {kTimingMethod1, "G"}, {kTimeSource, "G"}, {kCertainty, "1"},
                   {kSkyStability, "1"}, {kSkyTransparency, "2"}, {kSite, "A"}, {kObserver, "A"}});
}

// A record with every field it needs: plainRecord with the fraction of the
// second and the accuracy.
inline ObservationItem completeRecord(int n)
{
    using namespace columns;
    return record({{kSecondPoint, "."}, {kSecondFraction, "5"}, {kAccuracyWhole, "0"}, {kAccuracyPoint, "."},
                   {kAccuracyFraction, "04"}},
                  plainRecord(n));
}

// Every column of the line filled with codes from the lists, the catalogue
// cycling through R S X U A P, and a comment in its catalogue's layout.
inline ObservationItem fullRecord(int n)
{
    using namespace columns;
    const std::string catalogue = pick("RSXUAP", n), letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    FieldValues values = {
        {kYear, std::to_string(1600 + n * 37 % 601)}, {kMonth, "12"}, {kDay, "31"}, {kHour, "23"}, {kMinute, "59"},
        {kSecond, "58"}, {kSecondPoint, "."}, {kSecondFraction, std::to_string(n % 1000)}, {kCatalogue, catalogue},
        {kWdsComponent, pick("AB ", n)}, {kPhenomenon, pick("DRBFMSEO", n)}, {kLimb, pick("DBU", n)},
        {kGrazeFlag, pick("G ", n)}, {kPersonalEquationWhole, pick("0123456789", n)}, {kPersonalEquationPoint, "."},
        {kPersonalEquationFraction, "25"}, {kPersonalEquationApplication, pick("SABUEX", n)},
        {kTimingMethod1, pick("GVMSTEPKXC", n)}, {kTimingMethod2, pick("GVMSTEPKXCA", n)},
        {kTimeSource, pick("GRNCTMO", n)}, {kAccuracyWhole, "0"}, {kAccuracyPoint, "."}, {kAccuracyFraction, "04"},
        {kCertainty, pick("123", n)}, {kSignalToNoiseUnits, "3"}, {kSignalToNoisePoint, "."},
        {kSignalToNoiseTenths, pick("0123456789", n)}, {kDoubleStarComponent, pick("WENSBF", n)},
        {kDurationWhole, "1"}, {kDurationPoint, "."}, {kDurationFraction, "2"}, {kLightLevel, pick("TF", n)},
        {kSkyStability, pick("123", n)}, {kSkyTransparency, pick("321", n)}, {kRemarks, pick("123456789", n)},
        {kTemperature, right(std::to_string(n % 60 - 20), 3)}, {kSite, pick(letters, n)},
        {kObserver, pick(letters, n * 5)}};
    const std::string number = std::to_string(n % 9000 + 1000);
    if (catalogue == "U")
        values.insert(values.end(), {{kGscMarker, "G"}, {kGscRegion, number}, {kGscNumber, right(number, 5)},
                                     {kGscCommentText, "gsc star " + number}});
    else
        values.insert(values.end(), {{catalogue == "P" ? kPlanetCode : kObjectNumber, right(number, 6)},
                                     {kCommentArea, "comment of record " + number}});
    return record(values);
}

// Header with a message, 52 sites and observers, `records` full records and
// a message block.
inline Report fullReport(int records)
{
    Report report{"Hachioji, Tokyo", "observer@example.jp", "Selen Observing Group", {"Clear sky", "Second line  "},
                  {}, {}, {}, {"First paragraph.", "", "  indented", "Last line."}};
    for (std::size_t i = 0; i < kMaxLetteredLines; ++i) {
        const int n = static_cast<int>(i);
        SiteLine site = SiteLine::create(i);
        site.setTelescopeType(pick("RNCO ", n));
        site.setLongitudeDegrees(std::to_string(n * 3));
        site.setLongitudeDecimals(std::string(n % 3, '3'));
        site.setHorizontalDatum(SiteLine::horizontalDatums().entries()[i % 11]);
        site.setAltitude(std::to_string(n * 37));
        report.sites.push_back(site);
        ObserverLine observer = ObserverLine::create(i);
        observer.setName(pick("ABCDEFG", n) + ". Observer" + std::to_string(i));
        observer.setEmail(i % 4 == 3 ? "" : "obs" + std::to_string(i) + "@example.jp");
        report.observers.push_back(observer);
    }
    for (int n = 0; n < records; ++n)
        report.observations.push_back(fullRecord(n));
    report.renumber();
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

// A report without a problem: the header, one site and one observer line,
// three complete records, the first with a comment.
inline Report completeReport()
{
    Report report = reportWith({completeRecord(1), completeRecord(2), completeRecord(3)});
    report.emailAddress = "n.tanaka@example.jp";
    report.representative = "N. Tanaka";
    report.sites[0].setLongitudeDegrees("139");
    report.observers[0].setName("N. Tanaka");
    report.observations[0].put(columns::kCommentArea, "comment");
    return report;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() : path_((std::filesystem::temp_directory_path() / "selen-test-XXXXXX").string())
    {
        if (::mkdtemp(path_.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
    }
    ~TempDir() { std::filesystem::remove_all(path_, ignored_); }
    std::string path(const std::string& name = "") const { return path_ + "/" + name; }

    // Every entry of the folder (or of its subfolder `sub`): a file with its
    // bytes, a link as "-> target", a folder as "/".
    std::map<std::string, std::string> contents(const std::string& sub = "") const
    {
        std::map<std::string, std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path(sub))) {
            std::string& shown = found[entry.path().filename().string()];
            shown = entry.is_symlink()     ? "-> " + std::filesystem::read_symlink(entry.path()).string()
                    : entry.is_directory() ? "/"
                                           : readBytes(entry.path());
        }
        return found;
    }

private:
    std::string path_;
    std::error_code ignored_;
};

}  // namespace selen::test
