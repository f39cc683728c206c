// Reads arbitrary bytes as the settings file: every registered-entry key of
// the three slots, the folders and the page. Each value read is at most
// 2,047 bytes and holds no line break, no NUL and no leading blank. Then one
// key is written: it reads back as written, and every other key reads as it
// did before the file was rewritten.
#include "../tests/support/FakeFileSystem.h"

#include "settings/ProfileFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const std::string kPath = "/fuzz/selen.ini";

std::vector<std::pair<std::string, std::string>> keys()
{
    const std::pair<const char*, std::vector<const char*>> stems[] = {
        {"Header", {"Place Name ", "Email ", "Representative "}},
        {"Place",
         {"IsSurvey ", "LongDeg ", "LongMin ", "LongSec ", "LongDec ", "LatDeg ", "LatMin ", "LatSec ", "LatDec ",
          "Altitude ", "AltDec   ", "Horizontal Datum ", "Vertical Datum ", "LongSign ", "LatSign "}},
        {"Telescope", {"Aperture ", "FocalLength ", "Type ", "Mounting ", "Drive "}},
        {"Observer", {"ObserversName ", "ObserversEmail "}},
        {"Observation",
         {"Accuracy ", "AccuracyDec ", "PersonalEquation ", "PersonalEquationDec ", "TimeSource ", "TimingMethod1 ",
          "TimingMethod2 ", "LightLevel ", "Application of Personal Equation "}},
    };
    std::vector<std::pair<std::string, std::string>> all;
    for (const auto& [section, list] : stems) {
        for (const char* stem : list) {
            for (char slot : {'1', '2', '3'})
                all.emplace_back(section, std::string(stem) + slot);
        }
    }
    all.emplace_back("FilePath", "LORDirectory");
    all.emplace_back("FilePath", "PredictionDirectory");
    return all;
}

void check(const std::string& value)
{
    if (value.size() > selen::ProfileFile::kMaxValueBytes)
        std::abort();
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        std::abort();
    if (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        std::abort();
    // A value cut at the limit may end in a blank; a shorter one may not.
    if (value.size() + 1 < selen::ProfileFile::kMaxValueBytes && !value.empty()
        && (value.back() == ' ' || value.back() == '\t'))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::pair<std::string, std::string>> all = keys();
    selen::test::FakeFileSystem fs;
    fs.files[kPath] = std::string(reinterpret_cast<const char*>(data), size);
    selen::ProfileFile profile(fs, kPath);

    constexpr std::string_view kMissing = "\x01missing";
    std::vector<std::string> before;
    before.reserve(all.size());
    for (const auto& [section, key] : all) {
        before.push_back(profile.read(section, key, kMissing));
        if (before.back() != kMissing)
            check(before.back());
    }
    check(profile.read("Page", "CurrentPage"));

    if (!profile.write("Page", "CurrentPage", "3") || profile.read("Page", "CurrentPage") != "3")
        std::abort();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (profile.read(all[i].first, all[i].second, kMissing) != before[i])
            std::abort();
    }
    return 0;
}
