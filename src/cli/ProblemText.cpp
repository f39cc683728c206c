#include "ProblemText.h"

#include "report/Cp932.h"
#include "report/Report.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace selen::cli {

namespace {

using enum ProblemCode;

// Long lines are shown up to this many bytes, never half a character.
constexpr std::size_t kShownBytes = 60;

// Appends words and numbers to a text: a checked batch has thousands of
// problems, so their words are written straight into one buffer.
class Words {
public:
    explicit Words(std::string& out) : out_(out) {}
    Words& operator<<(std::string_view text)
    {
        out_ += text;
        return *this;
    }
    Words& operator<<(std::uint64_t number)
    {
        char digits[24];
        out_.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        return *this;
    }
    // CP932 bytes, quoted, shown as UTF-8; a long text is cut.
    Words& quoted(std::string_view cp932)
    {
        const std::size_t cut = cp932::safeCutLength(cp932, kShownBytes);
        out_ += '"';
        appendPrintable(out_, cp932.substr(0, cut));
        out_ += cut < cp932.size() ? "...\"" : "\"";
        return *this;
    }
    // The field as the window names it, with English words for readers of
    // the report tool: "分 (minute)".
    Words& field(const Problem& p)
    {
        if (!p.field)
            return *this << "the field";
        const FieldInfo& info = fieldInfo(*p.field);
        return *this << info.caption << " (" << info.name << ")";
    }
    Words& columns(std::uint64_t first, std::uint64_t last)
    {
        if (first == last)
            return *this << "column " << first;
        return *this << "columns " << first << "-" << last;
    }
    // What a line passed over held, by its label.
    Words& lostHeaderValue(std::string_view line)
    {
        struct Label {
            std::string_view label;
            std::string_view words;
        };
        for (Label l : {Label{kPlaceNameLabel, "the place name "}, Label{kEmailLabel, "the e-mail address "},
                        Label{kRepresentativeLabel, "the representative "},
                        Label{kMessageLabel, "the header message line "}}) {
            if (line.substr(0, l.label.size()) == l.label)
                return (*this << l.words).quoted(line.size() > kHeaderLabelWidth ? line.substr(kHeaderLabelWidth) : "");
        }
        return (*this << "the line ").quoted(line);
    }

    static void appendPrintable(std::string& out, std::string_view cp932)
    {
        if (std::all_of(cp932.begin(), cp932.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
            out += cp932;
        else
            out += printable(cp932);
    }

private:
    std::string& out_;
};

std::string_view timeWords(std::optional<FieldId> field)
{
    switch (field.value_or(FieldId::SecondFraction)) {
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
        const std::size_t length = lead < 0x80            ? 1
                                 : (lead >> 5) == 0x6   ? 2
                                 : (lead >> 4) == 0xE   ? 3
                                 : (lead >> 3) == 0x1E ? 4
                                                        : 0;
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

void appendJsonString(std::string& out, std::string_view utf8)
{
    out += '"';
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
    out += '"';
}

std::string jsonString(std::string_view utf8)
{
    std::string out;
    appendJsonString(out, utf8);
    return out;
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
    case SeparatorOverwritten: return "separator-overwritten";
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

void appendProblemPlace(std::string& out, const Problem& p)
{
    Words words(out);
    const bool item = p.record != 0 || p.site != 0 || p.observer != 0;
    if (p.record != 0)
        words << "record " << p.record;
    else if (p.site != 0)
        words << "site line " << p.site;
    else if (p.observer != 0)
        words << "observer line " << p.observer;
    if (p.firstColumn != 0) {
        if (item)
            words << ", ";
        words.columns(p.firstColumn, p.lastColumn);
    }
}

std::string problemPlace(const Problem& p)
{
    std::string out;
    appendProblemPlace(out, p);
    return out;
}

void appendProblemMessage(std::string& out, const Problem& p)
{
    Words w(out);
    switch (p.code) {
    case ByteOrderMark:
        if (p.found.find_first_not_of(' ') == std::string::npos) {
            w << "the file begins with a UTF-8 byte-order mark; it is dropped";
            return;
        }
        w << "the file begins with a UTF-8 byte-order mark, so its first line is not read: ";
        w.lostHeaderValue(p.found) << " is lost";
        return;
    case FirstLineNotHeader:
        w << "the first line is never read as a site, observer or record line: ";
        w.quoted(p.found) << " is lost";
        return;
    case SecondHeaderLine:
        w << "only the first line of each header label is read: ";
        w.lostHeaderValue(p.found) << " is lost";
        return;
    case LineAfterMarker:
        w << "the line right after the message marker is not read: ";
        w.quoted(p.found) << " is lost";
        return;
    case UnrecognisedLine:
        w << "the line ";
        w.quoted(p.found) << " is not a header, site, observer, record, comment or message line and is not read";
        return;
    case MissingYear:
        w << "the year (columns 1-4) is missing, so the line is not read as a record";
        return;
    case YearOutOfRange:
        w << "the year ";
        w.quoted(p.found) << (p.record != 0 ? " is not a year from 1600 to 2200"
                                            : " is outside 1600-2200, so the line is not read as a record");
        return;
    case RecordReadAsComment:
        w << "a record without a year follows record " << p.record << " and is read as its comment";
        return;
    case RecordTooLong:
        w << "the record line is " << p.lastColumn << " columns long; columns 118 on are not kept: ";
        w.quoted(p.found) << " is lost";
        return;
    case SplitCharacter:
        w << "a double-byte character is split at ";
        w.columns(p.firstColumn, p.lastColumn) << "; the half kept becomes a blank";
        return;
    case SeparatorOverwritten:
        w << "column 62 of a record holds ";
        w.quoted(p.found) << ", which is not kept: the separator \"/\" stands there";
        return;
    case CommentTooLong:
        w << "the comment line is " << p.lastColumn << " bytes long; the comment area keeps columns 5-"
          << p.firstColumn - 1 << ", so the cut falls after byte " << p.firstColumn - 1 << " and ";
        w.quoted(p.found) << " is lost";
        return;
    case CertaintyReadAsBlank:
        w.field(p) << " code ";
        w.quoted(p.found) << " is not 1, 2 or 3 and is read as a blank";
        return;
    case TooManyRecords:
        w << "record " << p.record << " is past the 999th and is not read";
        return;
    case TooManySites:
        w << "a site line past the 52nd is not read";
        return;
    case TooManyObservers:
        w << "an observer line past the 52nd is not read";
        return;
    case MissingPlaceName:
        w << "the header has no place name (\"Place name\" line)";
        return;
    case MissingEmail:
        w << "the header has no e-mail address (\"Email address\" line)";
        return;
    case MissingRepresentative:
        w << "the header has no representative (\"Representative\" line)";
        return;
    case NoSiteLine:
        w << "the report has records but no site line";
        return;
    case NoObserverLine:
        w << "the report has records but no observer line";
        return;
    case NonAscii:
        w.quoted(p.found) << " is not printable ASCII, which the fixed columns take only";
        return;
    case RequiredMissing:
        w << "required field ";
        w.field(p) << " is empty";
        return;
    case CodeNotInList:
        w.field(p) << " code ";
        w.quoted(p.found) << " is not in its list, so the field shows it as not chosen";
        return;
    case UnknownSite:
        w << "site letter ";
        w.quoted(p.found) << " names no site line";
        return;
    case UnknownObserver:
        w << "observer letter ";
        w.quoted(p.found) << " names no observer line";
        return;
    case NotADate:
        w.field(p) << " ";
        w.quoted(p.found) << " is not a " << (p.field == FieldId::Month ? "month (1-12)" : "day of that month");
        return;
    case NotATime:
        w.field(p) << " ";
        w.quoted(p.found) << " is not " << timeWords(p.field);
        return;
    case FutureDate:
        w << "the date ";
        if (p.found.size() == 8)
            w << std::string_view(p.found).substr(0, 4) << "-" << std::string_view(p.found).substr(4, 2) << "-"
              << std::string_view(p.found).substr(6, 2);
        else
            w.quoted(p.found);
        w << " is more than one day after today";
        return;
    }
    w << "unknown problem";
}

std::string problemMessage(const Problem& p)
{
    std::string out;
    appendProblemMessage(out, p);
    return out;
}

}  // namespace selen::cli
