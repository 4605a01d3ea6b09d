// The previous picture waits beside the new one under "<name>.old~" while the plotter works.
#include "output/storage/picture_guard.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "output/storage/text_file.h"

namespace {

constexpr std::string_view kGif87 = "GIF87a";
constexpr std::string_view kGif89 = "GIF89a";
constexpr char kGifTrailer = 0x3B;
constexpr size_t kSmallestGif = 14;  // signature, screen descriptor and trailer

}  // namespace

bool IsWholeGif(std::string_view bytes)
{
    if (bytes.size() < kSmallestGif)
        return false;
    const std::string_view signature = bytes.substr(0, kGif87.size());
    return (signature == kGif87 || signature == kGif89) && bytes.back() == kGifTrailer;
}

PictureGuard::PictureGuard(std::string picture) : picture_(std::move(picture))
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::symlink_status(picture_, error);
    if (!error && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
        // A link, pipe or device under the picture's name is not a picture: the plotter would
        // write through it (or block on it). It is replaced like every other output file.
        fs::remove(picture_, error);
        return;
    }
    if (!fs::is_regular_file(status))
        return;
    const std::string aside = picture_ + ".old~";
    held_ = HoldFile(picture_);
    fs::rename(picture_, aside, error);
    if (error) {
        ready_ = false;
        LetGo(held_);
        held_ = -1;
        return;
    }
    aside_ = aside;
    pending_ = std::make_unique<PendingFile>(aside_, picture_);
}

PictureGuard::~PictureGuard()
{
    if (!settled_)
        Restore();
    LetGo(held_);
}

bool PictureGuard::Settle()
{
    settled_ = true;
    std::error_code error;
    // Only a regular file the plotter made counts, never what a link under the name leads to.
    const bool regular = std::filesystem::is_regular_file(std::filesystem::symlink_status(picture_, error));
    const std::optional<std::string> bytes = regular ? ReadWholeFile(picture_) : std::nullopt;
    if (bytes && IsWholeGif(*bytes)) {
        if (!aside_.empty())
            std::filesystem::remove(aside_, error);
        pending_.reset();
        return true;
    }
    Restore();
    return false;
}

void PictureGuard::Restore()
{
    if (!ready_)
        return;  // the previous picture never moved: it is still in its place
    std::error_code error;
    if (aside_.empty()) {
        // No previous picture: an incomplete new one (whatever the plotter left) is no better than none.
        if (!std::filesystem::is_directory(std::filesystem::symlink_status(picture_, error)))
            std::filesystem::remove(picture_, error);
        return;
    }
    // Should the rename fail, the picture stays aside, and the next command in the folder puts it back.
    std::filesystem::rename(aside_, picture_, error);
    aside_.clear();
    pending_.reset();
}
