#include "ProblemText.h"

#include "report/Cp932.h"

#include <cstdio>

namespace selen::cli {

namespace {

std::string fieldOfColumn(std::size_t column)
{
    switch (column) {
    case 19: return "catalogue";
    case 27: return "phenomenon";
    case 28: return "lunar limb";
    case 34: return "application of personal equation";
    case 35: return "timing method 1";
    case 36: return "timing method 2";
    case 37: return "time source";
    case 43: return "certainty";
    case 47: return "double-star component";
    case 53: return "light level";
    case 54: return "sky stability";
    case 55: return "sky transparency";
    case 56: return "remarkable circumstances";
    default: return "column " + std::to_string(column);
    }
}

std::string quoted(std::string_view cp932)
{
    return "\"" + printable(cp932) + "\"";
}

std::string hexByte(std::string_view text)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", text.empty() ? 0u : static_cast<unsigned char>(text[0]));
    return buffer;
}

}  // namespace

std::string printable(std::string_view cp932)
{
    cp932::Conversion converted = cp932::toUtf8(cp932);
    bool plain = converted.ok;
    for (unsigned char c : converted.text)
        plain = plain && c >= 0x20 && c != 0x7F;
    if (plain)
        return converted.text;
    std::string out;
    for (unsigned char c : cp932) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
            out += buffer;
        }
    }
    return out;
}

std::string_view problemName(ProblemCode code)
{
    switch (code) {
    case ProblemCode::MissingYear: return "missing-year";
    case ProblemCode::YearOutOfRange: return "year-out-of-range";
    case ProblemCode::RecordReadAsComment: return "record-read-as-comment";
    case ProblemCode::CodeNotInList: return "bad-code";
    case ProblemCode::NonAsciiInRecord: return "non-ascii";
    case ProblemCode::UnknownSite: return "unknown-site";
    case ProblemCode::UnknownObserver: return "unknown-observer";
    case ProblemCode::RecordTooLong: return "record-too-long";
    case ProblemCode::SplitCharacter: return "split-character";
    case ProblemCode::CommentTooLong: return "comment-too-long";
    case ProblemCode::TooManyRecords: return "too-many-records";
    case ProblemCode::TooManySites: return "too-many-sites";
    case ProblemCode::TooManyObservers: return "too-many-observers";
    case ProblemCode::FirstLineNotHeader: return "first-line";
    case ProblemCode::UnrecognisedLine: return "unrecognised-line";
    }
    return "unknown";
}

std::string problemMessage(const Problem& p)
{
    switch (p.code) {
    case ProblemCode::MissingYear:
        return "the year (columns 1-4) is missing, so the line is not read as a record";
    case ProblemCode::YearOutOfRange:
        return "the year " + quoted(p.found) + " is outside 1600-2200, so the line is not read as a record";
    case ProblemCode::RecordReadAsComment:
        return "a record without a year follows record " + std::to_string(p.record) + " and is read as its comment";
    case ProblemCode::CodeNotInList:
        return fieldOfColumn(p.firstColumn) + " code " + quoted(p.found) + " is not in its code list";
    case ProblemCode::NonAsciiInRecord:
        return "column " + std::to_string(p.firstColumn) + " holds the byte " + hexByte(p.found)
            + "; columns 1-61 must be printable ASCII";
    case ProblemCode::UnknownSite:
        return "site letter " + quoted(p.found) + " names no site line";
    case ProblemCode::UnknownObserver:
        return "observer letter " + quoted(p.found) + " names no observer line";
    case ProblemCode::RecordTooLong:
        return "the record line is " + std::to_string(p.lastColumn) + " columns long; columns 118 on are not kept";
    case ProblemCode::SplitCharacter:
        return "a double-byte character is split at columns " + std::to_string(p.firstColumn) + "-"
            + std::to_string(p.lastColumn) + "; the half kept becomes a blank";
    case ProblemCode::CommentTooLong:
        return "the comment line is " + std::to_string(p.lastColumn) + " characters long; characters 60 on are not kept";
    case ProblemCode::TooManyRecords:
        return "record " + std::to_string(p.record) + " is past the 999th and is not read";
    case ProblemCode::TooManySites:
        return "a site line past the 52nd is not read";
    case ProblemCode::TooManyObservers:
        return "an observer line past the 52nd is not read";
    case ProblemCode::FirstLineNotHeader:
        return "the first line is never read as a site, observer or record line";
    case ProblemCode::UnrecognisedLine:
        return "the line is not a header, site, observer, record, comment or message line and is not read";
    }
    return "unknown problem";
}

}  // namespace selen::cli
