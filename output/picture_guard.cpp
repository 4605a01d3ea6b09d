// The previous picture waits beside the new one under "<name>.old~" while the plotter works.
#include "output/picture_guard.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "output/text_file.h"

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
    if (!fs::is_regular_file(fs::symlink_status(picture_, error)))
        return;
    const std::string aside = picture_ + ".old~";
    fs::rename(picture_, aside, error);
    if (!error)
        aside_ = aside;
}

PictureGuard::~PictureGuard()
{
    if (!settled_)
        Restore();
}

bool PictureGuard::Settle()
{
    settled_ = true;
    const std::optional<std::string> bytes = ReadWholeFile(picture_);
    std::error_code error;
    if (bytes && IsWholeGif(*bytes)) {
        if (!aside_.empty())
            std::filesystem::remove(aside_, error);
        return true;
    }
    Restore();
    return false;
}

void PictureGuard::Restore()
{
    std::error_code error;
    if (aside_.empty()) {
        // No previous picture: an incomplete new one is no better than none.
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(picture_, error)))
            std::filesystem::remove(picture_, error);
        return;
    }
    std::filesystem::rename(aside_, picture_, error);
    aside_.clear();
}
