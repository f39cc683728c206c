#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace selen {

// The key to the record columns shown above the report editors: each field
// with its caption and hint. A one-column field's caption is read downwards,
// one letter per row ("P H E").
struct RulerColumn {
    std::size_t first;  // report column
    std::size_t width;
    std::string_view caption;
    std::string_view hint;
};

const std::vector<RulerColumn>& rulerColumns();

// Caption of the word-wrap state shown at the ruler's right.
inline constexpr std::string_view kWrapOnCaption = "右端での折り返しあり";
inline constexpr std::string_view kWrapOffCaption = "右端での折り返しなし";

// Width of one report column on the ruler, in pixels.
inline constexpr int kRulerColumnWidth = 8;

}  // namespace selen
