#pragma once

#include "CodeList.h"
#include "FixedLine.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace selen {

// One observing site with its telescope: a 53-column line beginning "T" and
// the site's record letter. The setters format one entry field into its own
// columns; the getters read a field back as the entry page shows it.
class SiteLine {
public:
    static constexpr std::size_t kWidth = 53;

    // "T", the letter of `position`, 51 blanks.
    static SiteLine create(std::size_t position);
    // A line as read from a report, kept exactly as it stands.
    static SiteLine fromText(std::string text) { return SiteLine(std::move(text)); }

    const std::string& text() const { return line_.text(); }

    void setLetter(std::size_t position);
    char letter() const { return line_.column(2); }

    // Coordinates. Values are the digits as entered.
    void setLongitudeEast(bool east);
    void setLongitudeDegrees(std::string digits);
    void setLongitudeMinutes(std::string digits);
    void setLongitudeSeconds(std::string digits);
    void setLongitudeDecimals(std::string_view digits);
    void setLatitudeNorth(bool north);
    void setLatitudeDegrees(std::string digits);
    void setLatitudeMinutes(std::string digits);
    void setLatitudeSeconds(std::string digits);
    void setLatitudeDecimals(std::string_view digits);
    void setHorizontalDatum(std::string_view itemText);
    void setAltitude(std::string digits);
    void setAltitudeTenths(std::string_view digit);
    void setHeightDatum(std::size_t itemIndex);

    // Telescope.
    void setTelescopeType(std::string_view itemText);
    void setMount(std::string_view itemText);
    void setDrive(std::string_view itemText);
    void setAperture(std::string digits);
    void setFocalLength(std::string digits);

    // Reading fields back, as loading the line into the entry page does.
    bool longitudeEast() const;
    bool latitudeNorth() const;
    std::string longitudeDegrees() const;
    std::string longitudeMinutes() const;
    std::string longitudeSeconds() const;
    std::string longitudeDecimals() const;
    std::string latitudeDegrees() const;
    std::string latitudeMinutes() const;
    std::string latitudeSeconds() const;
    std::string latitudeDecimals() const;
    std::string altitude() const;
    std::string altitudeTenths() const;
    std::string aperture() const;
    std::string focalLength() const;
    std::size_t horizontalDatumIndex() const;
    std::size_t heightDatumIndex() const;
    std::size_t telescopeTypeIndex() const;
    std::size_t mountIndex() const;
    std::size_t driveIndex() const;

    void padToWidth() { line_.padToWidth(); }

    friend bool operator==(const SiteLine&, const SiteLine&) = default;

    // The choice lists behind the coded columns.
    static const CodeList& telescopeTypes();
    static const CodeList& mounts();
    static const CodeList& drives();
    static const CodeList& horizontalDatums();
    static const CodeList& heightDatums();

private:
    explicit SiteLine(std::string text) : line_(std::move(text), kWidth) {}
    void putDecimals(std::size_t pointColumn, std::size_t width, std::string_view digits);
    FixedLine line_;
};

}  // namespace selen
