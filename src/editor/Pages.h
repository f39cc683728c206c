#pragma once

// The pages of the main window, in index order; the index is what the
// settings file records.
namespace selen::pages {

inline constexpr int kRead = 0;
inline constexpr int kHeader = 1;
inline constexpr int kSites = 2;
inline constexpr int kObservations = 3;
inline constexpr int kOutput = 4;
inline constexpr int kOptions = 5;
inline constexpr int kCount = 6;

}  // namespace selen::pages
