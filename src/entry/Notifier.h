#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace selen {

// Tells the views that a model changed. Listeners are added once, when a
// view binds to its model, and live as long as the model.
class Notifier {
public:
    void listen(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
    void notify() const
    {
        for (const auto& listener : listeners_)
            listener();
    }

private:
    std::vector<std::function<void()>> listeners_;
};

}  // namespace selen
