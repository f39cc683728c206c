#pragma once

#include <cstddef>

// The fixed columns of an observation record line. Report columns are 1-based;
// in the held ObservationItem, report column k is character ColumnBase + k.
namespace selen::columns {

struct Field {
    std::size_t first;  // first report column
    std::size_t width;
    constexpr std::size_t last() const { return first + width - 1; }
};

inline constexpr Field kYear{1, 4};
inline constexpr Field kMonth{5, 2};
inline constexpr Field kDay{7, 2};
inline constexpr Field kHour{9, 2};
inline constexpr Field kMinute{11, 2};
inline constexpr Field kSecond{13, 2};
inline constexpr Field kSecondPoint{15, 1};
inline constexpr Field kSecondFraction{16, 3};
inline constexpr Field kCatalogue{19, 1};
inline constexpr Field kObjectNumber{20, 6};
inline constexpr Field kWdsComponent{26, 1};
inline constexpr Field kPhenomenon{27, 1};
inline constexpr Field kLimb{28, 1};
inline constexpr Field kGrazeFlag{29, 1};
inline constexpr Field kPersonalEquationWhole{30, 1};
inline constexpr Field kPersonalEquationPoint{31, 1};
inline constexpr Field kPersonalEquationFraction{32, 2};
inline constexpr Field kPersonalEquationApplication{34, 1};
inline constexpr Field kTimingMethod1{35, 1};
inline constexpr Field kTimingMethod2{36, 1};
inline constexpr Field kTimeSource{37, 1};
inline constexpr Field kAccuracyWhole{38, 1};
inline constexpr Field kAccuracyPoint{39, 1};
inline constexpr Field kAccuracyFraction{40, 3};
inline constexpr Field kCertainty{43, 1};
inline constexpr Field kSignalToNoiseUnits{44, 1};
inline constexpr Field kSignalToNoisePoint{45, 1};
inline constexpr Field kSignalToNoiseTenths{46, 1};
inline constexpr Field kDoubleStarComponent{47, 1};
inline constexpr Field kDurationWhole{48, 1};
inline constexpr Field kDurationPoint{49, 1};
inline constexpr Field kDurationFraction{50, 3};
inline constexpr Field kLightLevel{53, 1};
inline constexpr Field kSkyStability{54, 1};
inline constexpr Field kSkyTransparency{55, 1};
inline constexpr Field kRemarks{56, 1};
inline constexpr Field kTemperature{57, 3};
inline constexpr Field kSite{60, 1};
inline constexpr Field kObserver{61, 1};
inline constexpr Field kSeparator{62, 1};
inline constexpr Field kCommentArea{63, 55};

// The comment area of a catalogue-U record: the GSC marker and number come
// first, the comment text after them.
inline constexpr Field kGscMarker{63, 1};
inline constexpr Field kGscRegion{64, 4};
inline constexpr Field kGscNumber{68, 5};
inline constexpr Field kGscCommentText{73, 45};

// The planet or satellite code of a catalogue-P record.
inline constexpr Field kPlanetCode{22, 4};

}  // namespace selen::columns
