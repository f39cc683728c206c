#include "ProblemText.h"

#include "report/Cp932.h"
#include "report/Report.h"

#include <cstdio>

namespace selen::cli {

namespace {

using enum ProblemCode;

// Long lines are shown up to this many bytes, never half a character.
constexpr std::size_t kShownBytes = 60;

std::string quoted(std::string_view cp932)
{
    const std::size_t cut = cp932::safeCutLength(cp932, kShownBytes);
    return "\"" + printable(cp932.substr(0, cut)) + (cut < cp932.size() ? "...\"" : "\"");
}

// The field as the window names it, with English words for readers of the
// report tool: "分 (minute)".
std::string fieldWords(const Problem& p)
{
    if (!p.field)
        return "the field";
    const FieldInfo& info = fieldInfo(*p.field);
    return std::string(info.caption) + " (" + std::string(info.name) + ")";
}

std::string columnWords(std::size_t first, std::size_t last)
{
    if (first == last)
        return "column " + std::to_string(first);
    return "columns " + std::to_string(first) + "-" + std::to_string(last);
}

// What a line passed over at the start of the text held, by its label.
std::string lostHeaderValue(std::string_view line)
{
    struct Label {
        std::string_view label;
        const char* words;
    };
    for (Label l : {Label{kPlaceNameLabel, "the place name"}, Label{kEmailLabel, "the e-mail address"},
                    Label{kRepresentativeLabel, "the representative"}, Label{kMessageLabel, "the header message line"}}) {
        if (line.substr(0, l.label.size()) == l.label) {
            const std::string_view value = line.size() > kHeaderLabelWidth ? line.substr(kHeaderLabelWidth) : "";
            return std::string(l.words) + " " + quoted(value);
        }
    }
    return "the line " + quoted(line);
}

std::string timeWords(FieldId field)
{
    switch (field) {
    case FieldId::Hour: return "an hour (0-23)";
    case FieldId::Minute: return "a minute (0-59)";
    case FieldId::Second: return "a second (0-59)";
    default: return "digits";
    }
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

std::string validUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= bytes.size() && !(length == 2 && lead < 0xC2) && lead <= 0xF4;
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        if (valid && length >= 3) {
            const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
            valid = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second >= 0xA0)
                 && !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second >= 0x90);
        }
        if (valid) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::string jsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string_view problemName(ProblemCode code)
{
    switch (code) {
    case ByteOrderMark: return "byte-order-mark";
    case FirstLineNotHeader: return "first-line";
    case SecondHeaderLine: return "second-header-line";
    case LineAfterMarker: return "line-after-marker";
    case UnrecognisedLine: return "unrecognised-line";
    case MissingYear: return "missing-year";
    case YearOutOfRange: return "year-out-of-range";
    case RecordReadAsComment: return "record-read-as-comment";
    case RecordTooLong: return "record-too-long";
    case SplitCharacter: return "split-character";
    case CommentTooLong: return "comment-too-long";
    case CertaintyReadAsBlank: return "certainty-read-as-blank";
    case TooManyRecords: return "too-many-records";
    case TooManySites: return "too-many-sites";
    case TooManyObservers: return "too-many-observers";
    case MissingPlaceName: return "missing-place-name";
    case MissingEmail: return "missing-email";
    case MissingRepresentative: return "missing-representative";
    case NoSiteLine: return "no-site-line";
    case NoObserverLine: return "no-observer-line";
    case NonAscii: return "non-ascii";
    case RequiredMissing: return "required-missing";
    case CodeNotInList: return "bad-code";
    case UnknownSite: return "unknown-site";
    case UnknownObserver: return "unknown-observer";
    case NotADate: return "not-a-date";
    case NotATime: return "not-a-time";
    case FutureDate: return "future-date";
    }
    return "unknown";
}

std::string problemPlace(const Problem& p)
{
    std::string where;
    if (p.record != 0)
        where = "record " + std::to_string(p.record);
    else if (p.site != 0)
        where = "site line " + std::to_string(p.site);
    else if (p.observer != 0)
        where = "observer line " + std::to_string(p.observer);
    if (p.firstColumn != 0)
        where += (where.empty() ? "" : ", ") + columnWords(p.firstColumn, p.lastColumn);
    return where;
}

std::string problemMessage(const Problem& p)
{
    switch (p.code) {
    case ByteOrderMark:
        if (p.found.find_first_not_of(' ') == std::string::npos)
            return "the file begins with a UTF-8 byte-order mark; it is dropped";
        return "the file begins with a UTF-8 byte-order mark, so its first line is not read: " + lostHeaderValue(p.found)
            + " is lost";
    case FirstLineNotHeader:
        return "the first line is never read as a site, observer or record line: " + quoted(p.found) + " is lost";
    case SecondHeaderLine:
        return "only the first line of each header label is read: " + lostHeaderValue(p.found) + " is lost";
    case LineAfterMarker:
        return "the line right after the message marker is not read: " + quoted(p.found) + " is lost";
    case UnrecognisedLine:
        return "the line " + quoted(p.found)
            + " is not a header, site, observer, record, comment or message line and is not read";
    case MissingYear:
        return "the year (columns 1-4) is missing, so the line is not read as a record";
    case YearOutOfRange:
        if (p.record != 0)
            return "the year " + quoted(p.found) + " is not a year from 1600 to 2200";
        return "the year " + quoted(p.found) + " is outside 1600-2200, so the line is not read as a record";
    case RecordReadAsComment:
        return "a record without a year follows record " + std::to_string(p.record) + " and is read as its comment";
    case RecordTooLong:
        return "the record line is " + std::to_string(p.lastColumn) + " columns long; columns 118 on are not kept: "
            + quoted(p.found) + " is lost";
    case SplitCharacter:
        return "a double-byte character is split at " + columnWords(p.firstColumn, p.lastColumn)
            + "; the half kept becomes a blank";
    case CommentTooLong:
        return "the comment line is " + std::to_string(p.lastColumn) + " bytes long; the comment area keeps columns 5-"
            + std::to_string(p.firstColumn - 1) + ", so the cut falls after byte " + std::to_string(p.firstColumn - 1)
            + " and " + quoted(p.found) + " is lost";
    case CertaintyReadAsBlank:
        return fieldWords(p) + " code " + quoted(p.found) + " is not 1, 2 or 3 and is read as a blank";
    case TooManyRecords:
        return "record " + std::to_string(p.record) + " is past the 999th and is not read";
    case TooManySites:
        return "a site line past the 52nd is not read";
    case TooManyObservers:
        return "an observer line past the 52nd is not read";
    case MissingPlaceName:
        return "the header has no place name (\"Place name\" line)";
    case MissingEmail:
        return "the header has no e-mail address (\"Email address\" line)";
    case MissingRepresentative:
        return "the header has no representative (\"Representative\" line)";
    case NoSiteLine:
        return "the report has records but no site line";
    case NoObserverLine:
        return "the report has records but no observer line";
    case NonAscii:
        return quoted(p.found) + " is not printable ASCII, which the fixed columns take only";
    case RequiredMissing:
        return "required field " + fieldWords(p) + " is empty";
    case CodeNotInList:
        return fieldWords(p) + " code " + quoted(p.found) + " is not in its list, so the field shows it as not chosen";
    case UnknownSite:
        return "site letter " + quoted(p.found) + " names no site line";
    case UnknownObserver:
        return "observer letter " + quoted(p.found) + " names no observer line";
    case NotADate:
        return fieldWords(p) + " " + quoted(p.found) + " is not a "
            + (p.field == FieldId::Month ? "month (1-12)" : "day of that month");
    case NotATime:
        return fieldWords(p) + " " + quoted(p.found) + " is not " + timeWords(p.field.value_or(FieldId::SecondFraction));
    case FutureDate:
        if (p.found.size() == 8)
            return "the date " + p.found.substr(0, 4) + "-" + p.found.substr(4, 2) + "-" + p.found.substr(6, 2)
                + " is more than one day after today";
        return "the date " + quoted(p.found) + " is more than one day after today";
    }
    return "unknown problem";
}

}  // namespace selen::cli
