// Keeps a picture's previous version until the plotting program has written a whole new one: a
// full disk or a failing plotter must not leave the user with a torn or empty picture.
#pragma once

#include <string>
#include <string_view>

// True when `bytes` look like a complete GIF file: its signature and its closing trailer byte.
bool IsWholeGif(std::string_view bytes);

class PictureGuard {
public:
    // Moves an existing picture aside (beside it, under a name ending in ".old~").
    explicit PictureGuard(std::string picture);
    // Puts the previous picture back unless Settle() found a whole new one.
    ~PictureGuard();
    PictureGuard(const PictureGuard&) = delete;
    PictureGuard& operator=(const PictureGuard&) = delete;

    // Called once the plotting program has ended. True when the new picture is a whole GIF (the
    // previous one is dropped); otherwise the incomplete file is removed, the previous picture,
    // if any, put back, and false returned.
    bool Settle();

private:
    void Restore();

    std::string picture_;
    std::string aside_;  // "" when there was no previous picture
    bool settled_ = false;
};
