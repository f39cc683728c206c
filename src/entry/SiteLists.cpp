// The commands of the site and observer lists: select, add, move, sort,
// delete, and taking over the lists of a report that was read.
#include "SitesPage.h"

#include "report/RecordLetters.h"

#include <algorithm>

namespace selen {

namespace {

// A site line with its first 12 columns (record type, letter, telescope) and
// columns 21-32 (the longitude) changing places; doing it twice gives the
// line back. The line is at full width, so both pieces are whole.
std::string withLongitudeFirst(std::string text)
{
    std::swap_ranges(text.begin(), text.begin() + 12, text.begin() + 20);
    return text;
}

// Letters compare without regard to case, as in the observation list; every
// other byte by its value, so "+" (east) sorts before "-" (west) and a blank
// before any digit.
bool foldedLess(const std::string& a, const std::string& b)
{
    auto folded = [](char c) {
        return static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
}

// Sorts lines by a key made from their padded text, keeps equal keys in their
// order and gives the new position of the line that stood at `selected`.
template <class Line>
std::size_t sortByKey(std::vector<Line>& lines, std::size_t selected, std::string (*key)(std::string),
                      std::string (*unkey)(std::string))
{
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].padToWidth();
        keyed.emplace_back(key(lines[i].text()), i);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return foldedLess(a.first, b.first); });
    std::size_t newSelected = 0;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        lines[i] = Line::fromText(unkey(std::move(keyed[i].first)));
        lines[i].setLetter(i);
        if (keyed[i].second == selected)
            newSelected = i;
    }
    return newSelected;
}

template <class Line>
void reletter(std::vector<Line>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].setLetter(i);
}

// Exchanges the texts of two lines; each position keeps its letter.
template <class Line>
void exchange(std::vector<Line>& lines, std::size_t a, std::size_t b)
{
    lines[a].padToWidth();
    lines[b].padToWidth();
    std::swap(lines[a], lines[b]);
    lines[a].setLetter(a);
    lines[b].setLetter(b);
}

}  // namespace

void SitesPage::listsChanged()
{
    if (onListsChanged)
        onListsChanged();
}

void SitesPage::selectSite(std::size_t index)
{
    if (index >= report_.sites.size())
        return;
    site_ = index;
    loadSelectedSite();
    sitesChanged.notify();
}

void SitesPage::selectObserver(std::size_t index)
{
    if (index >= report_.observers.size())
        return;
    observer_ = index;
    loadSelectedObserver();
    observersChanged.notify();
}

void SitesPage::addSite()
{
    if (report_.sites.size() >= kMaxLetteredLines)
        return;
    // The datums and hemispheres carry over from the line selected before.
    const std::size_t height = heightDatum.index();
    const std::size_t datum = horizontalDatum.index();
    const bool east = longitudeEast_;
    const bool north = latitudeNorth_;
    report_.sites.push_back(SiteLine::create(report_.sites.size()));
    site_ = report_.sites.size() - 1;
    loadSelectedSite();
    horizontalDatum.setIndex(datum);
    heightDatum.setIndex(height);
    putField(horizontalDatum.formName());
    putField(heightDatum.formName());
    setLatitudeNorth(north);
    setLongitudeEast(east);
    sitesChanged.notify();
    listsChanged();
}

void SitesPage::addObserver()
{
    if (report_.observers.size() >= kMaxLetteredLines)
        return;
    report_.observers.push_back(ObserverLine::create(report_.observers.size()));
    observer_ = report_.observers.size() - 1;
    loadSelectedObserver();
    observersChanged.notify();
    listsChanged();
}

void SitesPage::moveSite(bool up)
{
    if (site_ >= report_.sites.size() || (up ? site_ == 0 : site_ + 1 >= report_.sites.size()))
        return;
    const std::size_t other = up ? site_ - 1 : site_ + 1;
    exchange(report_.sites, site_, other);
    site_ = other;
    sitesChanged.notify();
    listsChanged();
}

void SitesPage::moveObserver(bool up)
{
    if (observer_ >= report_.observers.size() || (up ? observer_ == 0 : observer_ + 1 >= report_.observers.size()))
        return;
    const std::size_t other = up ? observer_ - 1 : observer_ + 1;
    exchange(report_.observers, observer_, other);
    observer_ = other;
    observersChanged.notify();
    listsChanged();
}

void SitesPage::moveSiteUp() { moveSite(true); }
void SitesPage::moveSiteDown() { moveSite(false); }
void SitesPage::moveObserverUp() { moveObserver(true); }
void SitesPage::moveObserverDown() { moveObserver(false); }

void SitesPage::sortSites()
{
    if (report_.sites.empty())
        return;
    site_ = sortByKey(report_.sites, site_, withLongitudeFirst, withLongitudeFirst);
    loadSelectedSite();
    sitesChanged.notify();
    listsChanged();
}

void SitesPage::sortObservers()
{
    if (report_.observers.empty())
        return;
    // Without its letter an observer line sorts by name, then e-mail address.
    auto withoutLetter = [](std::string text) {
        text[1] = ' ';
        return text;
    };
    auto same = [](std::string text) { return text; };
    observer_ = sortByKey(report_.observers, observer_, +withoutLetter, +same);
    loadSelectedObserver();
    observersChanged.notify();
    listsChanged();
}

// Removes the selected line unless it is the only one; the selection stays
// at its position or moves to the new last line, and the letters follow.
template <typename Line>
static bool eraseSelected(std::vector<Line>& lines, std::size_t& selected)
{
    if (lines.size() <= 1 || selected >= lines.size())
        return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(selected));
    selected = std::min(selected, lines.size() - 1);
    reletter(lines);
    return true;
}

void SitesPage::deleteSite()
{
    if (!eraseSelected(report_.sites, site_))
        return;
    loadSelectedSite();
    sitesChanged.notify();
    listsChanged();
}

void SitesPage::deleteObserver()
{
    if (!eraseSelected(report_.observers, observer_))
        return;
    loadSelectedObserver();
    observersChanged.notify();
    listsChanged();
}

void SitesPage::replaceAll()
{
    if (report_.sites.empty())
        report_.sites.push_back(SiteLine::create(0));
    if (report_.observers.empty())
        report_.observers.push_back(ObserverLine::create(0));
    site_ = 0;
    observer_ = 0;
    loadSelectedSite();
    loadSelectedObserver();
    sitesChanged.notify();
    observersChanged.notify();
    listsChanged();
}

}  // namespace selen
