#pragma once

namespace tarvo {

// Who plays a side: a person at this screen, or the computer at a level.
enum class Level { Classic, Strong, Expert };
struct Player {
    bool human = true;
    Level level = Level::Classic; // the computer's, while it plays the side
    bool operator==(const Player&) const = default;
};

} // namespace tarvo
