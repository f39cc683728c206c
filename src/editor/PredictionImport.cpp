#include "PredictionImport.h"

#include "Messages.h"

#include "report/Cp932.h"

namespace selen {

PredictionImport::PredictionImport(Ports ports, ObservationPage& page) : ports_(std::move(ports)), page_(page) {}

void PredictionImport::windowOpened()
{
    for (std::string* value : {&event_.year, &event_.month, &event_.day, &event_.hour, &event_.minute, &event_.second})
        value->clear();
    lines_.clear();
    selected_ = kNoEventLine;
    changed.notify();
}

void PredictionImport::loadFile()
{
    std::optional<std::string> path = ports_.dialogs.openPredictionName(ports_.folder());
    if (!path || !ports_.files.exists(*path))
        return;
    std::string bytes;
    if (FileResult read = ports_.files.readFile(*path, bytes); !read) {
        ports_.dialogs.error(messages::withValue(messages::kListingOpenFailed, read.error));
        return;
    }
    takeListing(bytes);
    ports_.folderUsed(*path);
}

void PredictionImport::paste()
{
    // The clipboard speaks UTF-8; the listing is CP932 text like a file's.
    cp932::Conversion text = cp932::fromUtf8(ports_.clipboard.text());
    if (!text.ok) {
        ports_.dialogs.warn(std::string(messages::kClipboardNotCp932));
        return;
    }
    takeListing(text.text);
}

void PredictionImport::takeListing(std::string_view text)
{
    lines_ = listingLines(text);
    selected_ = lines_.empty() ? kNoEventLine : selectFirstEventLine(lines_);
    if (selected_ != kNoEventLine)
        parsePredictionLine(lines_[selected_], event_);
    changed.notify();
}

void PredictionImport::select(std::size_t line)
{
    if (line >= lines_.size())
        return;
    selected_ = line;
    parsePredictionLine(lines_[line], event_);
    changed.notify();
}

void PredictionImport::transfer()
{
    transferPredictedEvent(event_, page_);
}

void PredictionImport::enlargeFont()
{
    if (fontSize_ < kLargestFont) {
        ++fontSize_;
        changed.notify();
    }
}

void PredictionImport::reduceFont()
{
    if (fontSize_ > kSmallestFont) {
        --fontSize_;
        changed.notify();
    }
}

}  // namespace selen
