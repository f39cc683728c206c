#include "SiteLine.h"

#include "RecordLetters.h"
#include "StringRoutines.h"

namespace selen {

namespace {
std::string trimmedRight(std::string text)
{
    trimRightSpaces(text);
    return text;
}

std::string trimmedLeft(std::string text)
{
    trimLeftSpaces(text);
    return text;
}

// The first entry whose code equals the line's columns, else the first entry.
std::size_t indexOrFirst(const CodeList& list, std::string_view code)
{
    int index = list.indexOfCode(code);
    return index < 0 ? 0 : static_cast<std::size_t>(index);
}
}  // namespace

SiteLine SiteLine::create(std::size_t position)
{
    std::string text = "T";
    text += recordLetter(position);
    text.resize(kWidth, ' ');
    return SiteLine(std::move(text));
}

void SiteLine::setLetter(std::size_t position)
{
    line_.put(2, 1, std::string(1, recordLetter(position)));
}

void SiteLine::setLongitudeEast(bool east) { line_.put(21, 1, east ? "+" : "-"); }
void SiteLine::setLongitudeDegrees(std::string digits) { line_.putRight(22, 3, std::move(digits)); }
void SiteLine::setLongitudeMinutes(std::string digits) { line_.putTwoDigits(25, std::move(digits)); }
void SiteLine::setLongitudeSeconds(std::string digits) { line_.putTwoDigits(27, std::move(digits)); }
void SiteLine::setLongitudeDecimals(std::string_view digits) { putDecimals(29, 3, digits); }
void SiteLine::setLatitudeNorth(bool north) { line_.put(33, 1, north ? "+" : "-"); }
void SiteLine::setLatitudeDegrees(std::string digits) { line_.putRight(34, 2, std::move(digits)); }
void SiteLine::setLatitudeMinutes(std::string digits) { line_.putTwoDigits(36, std::move(digits)); }
void SiteLine::setLatitudeSeconds(std::string digits) { line_.putTwoDigits(38, std::move(digits)); }
void SiteLine::setLatitudeDecimals(std::string_view digits) { putDecimals(40, 2, digits); }
void SiteLine::setHorizontalDatum(std::string_view itemText) { line_.put(44, 2, itemText.substr(0, 2)); }
void SiteLine::setAltitude(std::string digits) { line_.putRight(47, 4, std::move(digits)); }

void SiteLine::setAltitudeTenths(std::string_view digit)
{
    line_.put(51, 2, digit.empty() ? std::string("  ") : "." + std::string(digit.substr(0, 1)));
}

void SiteLine::setHeightDatum(std::size_t itemIndex) { line_.put(53, 1, itemIndex == 0 ? "M" : "E"); }
void SiteLine::setTelescopeType(std::string_view itemText) { line_.put(5, 1, itemText.substr(0, 1)); }
void SiteLine::setMount(std::string_view itemText) { line_.put(6, 1, itemText.substr(0, 1)); }
void SiteLine::setDrive(std::string_view itemText) { line_.put(7, 1, itemText.substr(0, 1)); }
void SiteLine::setAperture(std::string digits) { line_.putRight(9, 4, std::move(digits)); }
void SiteLine::setFocalLength(std::string digits) { line_.putRight(15, 4, std::move(digits)); }

void SiteLine::putDecimals(std::size_t pointColumn, std::size_t width, std::string_view digits)
{
    line_.put(pointColumn, 1, digits.empty() ? " " : ".");
    line_.put(pointColumn + 1, width, digits);
}

bool SiteLine::longitudeEast() const
{
    char sign = line_.column(21);
    return sign == '+' || sign == ' ';
}

bool SiteLine::latitudeNorth() const
{
    char sign = line_.column(33);
    return sign == '+' || sign == ' ';
}

std::string SiteLine::longitudeDegrees() const { return trimmedRight(line_.columns(22, 3)); }
std::string SiteLine::longitudeMinutes() const { return trimmedRight(line_.columns(25, 2)); }
std::string SiteLine::longitudeSeconds() const { return trimmedRight(line_.columns(27, 2)); }
std::string SiteLine::longitudeDecimals() const { return trimmedRight(line_.columns(30, 3)); }
std::string SiteLine::latitudeDegrees() const { return trimmedRight(line_.columns(34, 2)); }
std::string SiteLine::latitudeMinutes() const { return trimmedRight(line_.columns(36, 2)); }
std::string SiteLine::latitudeSeconds() const { return trimmedRight(line_.columns(38, 2)); }
std::string SiteLine::latitudeDecimals() const { return trimmedRight(line_.columns(41, 3)); }
std::string SiteLine::altitude() const { return trimmedLeft(trimmedRight(line_.columns(47, 4))); }
std::string SiteLine::altitudeTenths() const { return trimmedLeft(line_.columns(52, 1)); }
std::string SiteLine::aperture() const { return trimmedLeft(line_.columns(9, 4)); }

std::string SiteLine::focalLength() const
{
    std::string text = line_.columns(15, 4);
    cleanDecimal(text);
    return text;
}

std::size_t SiteLine::horizontalDatumIndex() const { return indexOrFirst(horizontalDatums(), line_.columns(44, 2)); }

std::size_t SiteLine::heightDatumIndex() const { return line_.column(53) == 'E' ? 1 : 0; }
std::size_t SiteLine::telescopeTypeIndex() const { return indexOrFirst(telescopeTypes(), line_.columns(5, 1)); }
std::size_t SiteLine::mountIndex() const { return indexOrFirst(mounts(), line_.columns(6, 1)); }
std::size_t SiteLine::driveIndex() const { return indexOrFirst(drives(), line_.columns(7, 1)); }

const CodeList& SiteLine::telescopeTypes()
{
    static const CodeList list = CodeList::fromUtf8({
        "   ----------",
        "R  屈折 (ｱｸﾛﾏｰﾄ,ｱﾎﾟｸﾛﾏｰﾄ,双眼鏡,ｶﾒﾗﾚﾝｽﾞ等)",
        "N  ニュートン (ﾄﾞﾌﾞｿﾆｱﾝ,ｼｭﾐｯﾄﾆｭｰﾄﾝ,ﾏｸｽﾄﾌﾆｭｰﾄﾝ,ｼｰﾌｼｭﾋﾟｸﾞﾗｰを含む,)",
        "C  カセグレン (ｼｭﾐｶｾ,ﾏｸｽﾄﾌｶｾ,ﾄﾞｰﾙｶｰｶﾑを含む)",
        "O  その他 (肉眼を含む)",
    });
    return list;
}

const CodeList& SiteLine::mounts()
{
    static const CodeList list = CodeList::fromUtf8({"   ------", "E  赤道儀", "A  経緯台"});
    return list;
}

const CodeList& SiteLine::drives()
{
    static const CodeList list = CodeList::fromUtf8({"   --------", "D  自動追尾", "M  手動追尾"});
    return list;
}

const CodeList& SiteLine::horizontalDatums()
{
    static const CodeList list = CodeList::fromUtf8(
        {
            "84  WGS84",
            "85  JGD2000 (=WGS84)",
            "82  NAD83/NAD1983 (=WGS84)",
            "86  GDA94 (=WGS84)",
            "87  NZGD2000 (=WGS84)",
            "10  GoogleEarth (WGS84)",
            "16  European 1950",
            "28  New Zealand 1949",
            "29  North American 1927",
            "66  Australian Geodetic",
            "46  Tokyo",
        },
        2);
    return list;
}

const CodeList& SiteLine::heightDatums()
{
    static const CodeList list = CodeList::fromUtf8({"M （標高）", "E （楕円体高）"});
    return list;
}

}  // namespace selen
