#pragma once

namespace selen {

// The keys that move between fields.
// Point is a typed ".", which some fields take as Enter.
enum class NavigationKey { Enter, Up, Down, Left, Right, Point };

// What a key does in a field: put the field into the record, move the focus
// to the next (+1) or previous (-1) field, and whether the key is used up.
struct KeyOutcome {
    bool put = false;
    int move = 0;
    bool consumed = false;
    static constexpr KeyOutcome handOn() { return {}; }
};

}  // namespace selen
