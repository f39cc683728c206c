#include "TestSupport.h"

#include "report/RecordRules.h"

#include <gtest/gtest.h>

namespace selen {
namespace {

using namespace columns;

// The states in page order, one letter each (Entered, Required, Conditional,
// Not in use), grouped: time (7) | catalogue, star, GSC region, GSC number,
// asteroid, planet list, planet number, WDS (8) | phenomenon, limb (2) |
// personal equation whole, fraction, application, timing method 1, 2, time
// source (6) | accuracy whole, fraction, certainty, S/N units, tenths,
// double star (6) | duration whole, fraction, light level, stability,
// transparency, remarks, temperature (7) | site, observer, comment (3).
std::string shown(const FieldStates& states)
{
    constexpr std::size_t kGroupEnds[] = {7, 15, 17, 23, 29, 36};
    std::string out;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (std::find(std::begin(kGroupEnds), std::end(kGroupEnds), i) != std::end(kGroupEnds))
            out += ' ';
        out += "ERCN"[static_cast<int>(states[i])];
    }
    return out;
}

struct Case {
    const char* name;
    test::FieldValues values;
    std::string expected;
    FieldContext context = {};
    ObservationItem base = {};  // the record the values are put over
};

TEST(RecordRules, EachFieldShowsEnteredOrItsEmptyClass)
{
    const FieldContext unticked{false};
    const FieldContext lettersAB{true, "AB", "AB"};
    const Case cases[] = {
        {"blank", {}, "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"complete", {}, "EEEEEEE EENNNNNC EE CCEECE EEECCC CCCEECC EEC", {}, test::completeRecord(1)},
        {"remarks 1, duration empty", {{kRemarks, "1"}}, "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC RRCRREC RRC"},
        {"remarks 1, duration given", {{kRemarks, "1"}, {kDurationWhole, "1"}, {kDurationFraction, "5"}},
         "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC EECRREC RRC"},
        {"timing method S", {{kTimingMethod1, "S"}}, "RRRRRRR RRNNNNNC RR RRRECR RRRCCC CCCRRCC RRC"},
        {"timing method K", {{kTimingMethod1, "K"}}, "RRRRRRR RRNNNNNC RR RRRECR RRRCCC CCCRRCC RRC"},
        {"timing method E", {{kTimingMethod1, "E"}}, "RRRRRRR RRNNNNNC RR CCRECR RRRCCC CCCRRCC RRC"},
        {"timing method of no list", {{kTimingMethod1, "Z"}}, "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"G, remarks 1, box ticked", {{kTimingMethod1, "G"}, {kRemarks, "1"}},
         "RRRRRRR RRNNNNNC RR CCRECR RRRCCC RRRRREC RRC"},
        {"G, remarks 1, box not ticked", {{kTimingMethod1, "G"}, {kRemarks, "1"}},
         "RRRRRRR RRNNNNNC RR CCRECR RRRCCC RRCRREC RRC", unticked},
        {"V, remarks 1, box not ticked", {{kTimingMethod1, "V"}, {kRemarks, "1"}},
         "RRRRRRR RRNNNNNC RR CCRECR RRRCCC RRCRREC RRC", unticked},
        {"P, remarks 1, box not ticked", {{kTimingMethod1, "P"}, {kRemarks, "1"}},
         "RRRRRRR RRNNNNNC RR CCRECR RRRCCC RRRRREC RRC", unticked},
        {"S, remarks 1: no photometry", {{kTimingMethod1, "S"}, {kRemarks, "1"}},
         "RRRRRRR RRNNNNNC RR RRRECR RRRCCC RRCRREC RRC"},
        {"light level given", {{kTimingMethod1, "P"}, {kRemarks, "1"}, {kLightLevel, "T"}},
         "RRRRRRR RRNNNNNC RR CCRECR RRRCCC RRERREC RRC"},
        {"catalogue U, region only, comment behind it",
         {{kCatalogue, "U"}, {kGscMarker, "G"}, {kGscRegion, "1234"}, {kGscCommentText, "x"}},
         "RRRRRRR ENERNNNC RR CCRRCR RRRCCC CCCRRCC RRE"},
        {"catalogue U, comment in the GSC columns only", {{kCatalogue, "U"}, {kGscMarker, "G"}},
         "RRRRRRR ENRRNNNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue A", {{kCatalogue, "A"}, {kObjectNumber, "   433"}}, "RRRRRRR ENNNENNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue A, no number", {{kCatalogue, "A"}}, "RRRRRRR ENNNRNNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue P, Io", {{kCatalogue, "P"}, {kObjectNumber, "  5001"}}, "RRRRRRR ENNNNEEC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue P, a satellite the list lacks", {{kCatalogue, "P"}, {kObjectNumber, "  5005"}},
         "RRRRRRR ENNNNCEC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue P, no number", {{kCatalogue, "P"}}, "RRRRRRR ENNNNRRC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue P, number 0 names no body", {{kCatalogue, "P"}, {kObjectNumber, "     0"}},
         "RRRRRRR ENNNNRRC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"catalogue of no list, star number of letters", {{kCatalogue, "Z"}, {kObjectNumber, "abc"}},
         "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC CCCRRCC RRC"},
        {"codes of no list show as not chosen", {{kPhenomenon, "Z"}, {kLimb, "B"}, {kSkyStability, "9"}},
         "RRRRRRR RRNNNNNC RE CCRRCR RRRCCC CCCRRCC RRC"},
        {"month 7, a lone point, S/N x.5, temperature -",
         {{kMonth, "7 "}, {kSecondPoint, "."}, {kSignalToNoiseUnits, "x"}, {kSignalToNoiseTenths, "5"}, {kTemperature, "  -"}},
         "RERRRRR RRNNNNNC RR CCRRCR RRRCEC CCCRRCE RRC"},
        {"site B and observer C of lines A and B", {{kSite, "B"}, {kObserver, "C"}, {kCommentArea, "seen"}},
         "RRRRRRR RRNNNNNC RR CCRRCR RRRCCC CCCRRCC ERE", lettersAB},
    };
    for (const Case& c : cases) {
        const ObservationItem item = test::record(c.values, c.base);
        EXPECT_EQ(shown(fieldStates(item, c.context)), c.expected) << c.name;
        EXPECT_EQ(fieldState(item, FieldId::Site, c.context), fieldStates(item, c.context)[36]) << c.name;
    }
}

TEST(RecordRules, EveryColumnOfTheLineBelongsToAField)
{
    // Each column 1-117 but the graze flag (29) and the separator (62) is
    // written by some field; 20-25 by the four object-number fields.
    for (std::size_t column = 1; column <= 117; ++column) {
        std::size_t writers = 0;
        for (const FieldInfo& field : allFields())
            writers += column >= field.columns.first && column <= field.columns.last() ? 1 : 0;
        const std::size_t expected = column == 29 || column == 62 ? 0
                                   : column >= 22 && column <= 25 ? 4
                                   : column >= 20 && column <= 25 ? 3
                                   : column >= 64 && column <= 72 ? 2
                                                                  : 1;
        EXPECT_EQ(writers, expected) << "column " << column;
    }
}

}  // namespace
}  // namespace selen
