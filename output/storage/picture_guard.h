// Keeps a picture's previous version until the plotting program has written a whole new one: a
// full disk or a failing plotter must not leave the user with a torn or empty picture.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "output/storage/leftovers.h"

// True when `bytes` look like a complete GIF file: its signature and its closing trailer byte.
bool IsWholeGif(std::string_view bytes);

// Used by both front ends around every run of the plotter: make the guard, run the plotter only
// when Ready(), then Settle().
class PictureGuard {
public:
    // Moves an existing picture aside (beside it, under a name ending in ".old~"). While aside it
    // is held (see HoldFile) and registered for the signal clean-up, which puts it back.
    explicit PictureGuard(std::string picture);
    // Puts the previous picture back unless Settle() found a whole new one.
    ~PictureGuard();
    PictureGuard(const PictureGuard&) = delete;
    PictureGuard& operator=(const PictureGuard&) = delete;

    // Called once the plotting program has ended. True when the new picture is a whole GIF (the
    // previous one is dropped); otherwise the incomplete file is removed, the previous picture,
    // if any, put back, and false returned.
    bool Settle();

    // False when a previous picture could not be moved aside (its aside name taken, a path too
    // long): the plotter must not run then, since it would overwrite the only good picture.
    bool Ready() const { return ready_; }

private:
    void Restore();

    std::string picture_;
    std::string aside_;  // "" when there was no previous picture
    bool settled_ = false;
    bool ready_ = true;
    int held_ = -1;  // the previous picture's descriptor, held while it is aside
    std::unique_ptr<PendingFile> pending_;
};
