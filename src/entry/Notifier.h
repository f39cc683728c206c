#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace selen {

// Tells the views that a model changed. Most listeners are added once, when
// a view binds to its model, and live as long as the model; a view that
// goes away earlier (a window closed) forgets its listener.
class Notifier {
public:
    std::size_t listen(std::function<void()> listener)
    {
        listeners_.push_back(std::move(listener));
        return listeners_.size() - 1;
    }
    void forget(std::size_t listener)
    {
        if (listener < listeners_.size())
            listeners_[listener] = nullptr;
    }
    void notify() const
    {
        for (const auto& listener : listeners_) {
            if (listener)
                listener();
        }
    }

private:
    std::vector<std::function<void()>> listeners_;
};

}  // namespace selen
