// Where the about window stands on the screen and where its controls stand in it: the table
// the window is built from and the one the scripts read (brainlock-facts.sh). Plain data.
#pragma once

namespace about {

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr Place kAboutWindow{271, 172, 308, 261}; // on the screen, without a frame
inline constexpr Place kAboutImage{8, 8, 32, 32};
inline constexpr Place kAboutBanner{48, 16, 241, 193};
inline constexpr Place kAboutClose{160, 224, 129, 25};
inline constexpr Place kAboutReadme{24, 224, 121, 25};

} // namespace about
