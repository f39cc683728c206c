#pragma once

#include "ObservationColumns.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

// One observation as the observation list holds it: a 121-character text
// made of the list prefix (record number in three characters and a blank),
// report columns 1-61, "/" in column 62 and the 55-column comment area.
// The text is the record; every field reads and writes its own columns.
class ObservationItem {
public:
    static constexpr std::size_t ColumnBase = 4;
    static constexpr std::size_t kReportColumns = 61;
    static constexpr std::size_t kLength = ColumnBase + 117;
    static constexpr int kMaxRecords = 999;
    // Comment lines begin with this many blanks; a record line never does.
    static constexpr std::size_t kCommentIndent = 4;

    // A blank item: prefix, 61 blanks, "/", 55 blanks.
    ObservationItem();

    // An item built from a report line as the reader and the paste do: the
    // line filled to 61 columns, "/" in column 62 (over the line's own
    // character there), blanks to 121 characters. A longer line is cut at 117
    // report columns; half of a double-byte character left at column 61, 63
    // or 117 by the separator or the cut becomes a blank.
    static ObservationItem fromReportLine(std::string_view line);

    // An item from a held text (the list's own text), e.g. a copy or a
    // stored session. Padded or cut to 121 characters, "/" forced in 62.
    static ObservationItem fromItemText(std::string_view text);

    const std::string& text() const { return text_; }

    // Report columns first..first+width-1 of the record.
    std::string_view columns(columns::Field field) const;
    char column(std::size_t reportColumn) const;

    // Writes `value` into the field's columns: cut to the width without
    // splitting a double-byte character, then filled with blanks.
    void put(columns::Field field, std::string_view value);

    // Writes the 1-based list position into the prefix (1..999).
    void setRecordNumber(int number);

    // Report columns 1-61, trailing blanks kept.
    std::string reportLine() const;

    // Four blanks and the comment area without trailing blanks, or an empty
    // text when the comment area is blank.
    std::string commentLine() const;

    // Stores a comment line's text (its characters from column 5 on) in the
    // comment area as a whole: at most 55 bytes, never half a character.
    void setCommentFromLine(std::string_view commentLine);

    // Makes column 43 (certainty) one of " ", "1", "2", "3".
    void normaliseCertaintyColumn();

    // True when nothing but blanks and "/" stand from report column 2 on.
    bool isBlank() const;

    // The year test of saving and of leaving the observation page: columns
    // 1-4 reduced to digits must give a year the reader takes back (1600-2200).
    bool hasValidYear() const;

    friend bool operator==(const ObservationItem&, const ObservationItem&) = default;

private:
    explicit ObservationItem(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

// The year of a report line as the reader judges it: its first four
// characters reduced to digits, 1 when none remain.
long long lineYear(std::string_view line);

// True for what the certainty column keeps when read: blank, 1, 2 or 3.
constexpr bool isCertaintyCode(char c)
{
    return c == ' ' || c == '1' || c == '2' || c == '3';
}

// True for a year the reader takes as a record.
constexpr bool isRecordYear(long long year)
{
    return year >= 1600 && year <= 2200;
}

}  // namespace selen
