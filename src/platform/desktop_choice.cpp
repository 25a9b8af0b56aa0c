#include "platform/desktop_choice.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool Fits(const DesktopFacts& facts, int scale)
{
    if (facts.screenWidth <= 0 || facts.screenHeight <= 0)
        return true;  // a screen of unknown size does not hold the scale back
    return kLargestWindowWidth * scale <= facts.screenWidth &&
           kLargestWindowHeight * scale + kTitleBarRoom <= facts.screenHeight;
}

// The XSETTINGS property, read field by field: a byte-order mark, a serial,
// the count of settings, then each setting's type, name, serial and value,
// every part padded to four bytes.
class SettingsReader {
public:
    explicit SettingsReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Skip(std::size_t count)
    {
        if (count > bytes_.size() - at_)
            return false;
        at_ += count;
        return true;
    }
    bool SkipPadded(std::size_t count) { return Skip(count) && Skip((4 - count % 4) % 4); }
    std::optional<std::uint8_t> Byte()
    {
        if (at_ >= bytes_.size())
            return std::nullopt;
        return bytes_[at_++];
    }
    std::optional<std::uint32_t> Card(std::size_t size, bool bigEndian)
    {
        if (size > bytes_.size() - at_)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::uint32_t byte = bytes_[at_ + (bigEndian ? i : size - 1 - i)];
            value = value << 8 | byte;
        }
        at_ += size;
        return value;
    }
    std::string_view Text(std::size_t size) const
    {
        return {reinterpret_cast<const char*>(bytes_.data() + at_), std::min(size, bytes_.size() - at_)};
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

constexpr std::uint8_t kSettingInteger = 0, kSettingString = 1, kSettingColour = 2;

} // namespace

int ScaleForDpi(int dpi)
{
    if (dpi <= 0)
        return 0;
    // Nearest multiple of 96, a half going down: 144 → 1, 145 → 2.
    return std::max(1, (dpi + 47) / 96);
}

int XftDpi(std::string_view resources)
{
    constexpr std::string_view kKey = "Xft.dpi:";
    while (!resources.empty()) {
        const std::size_t end = resources.find('\n');
        std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
        if (line.substr(0, kKey.size()) != kKey)
            continue;
        line.remove_prefix(kKey.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        double dpi = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), dpi);
        if (error != std::errc() || !std::isfinite(dpi) || dpi <= 0 || dpi > 10000)
            return 0;
        return static_cast<int>(std::lround(dpi));
    }
    return 0;
}

std::optional<std::int32_t> XSettingsInteger(std::span<const std::uint8_t> settings, std::string_view name)
{
    SettingsReader reader(settings);
    const auto order = reader.Byte();
    if (!order || *order > 1 || !reader.Skip(3 + 4))
        return std::nullopt;
    const bool big = *order == 1;
    const auto count = reader.Card(4, big);
    if (!count)
        return std::nullopt;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto type = reader.Byte();
        if (!type || !reader.Skip(1))
            return std::nullopt;
        const auto length = reader.Card(2, big);
        if (!length)
            return std::nullopt;
        const std::string_view settingName = reader.Text(*length);
        if (settingName.size() != *length || !reader.SkipPadded(*length) || !reader.Skip(4))
            return std::nullopt;
        if (*type == kSettingInteger) {
            const auto value = reader.Card(4, big);
            if (!value)
                return std::nullopt;
            if (settingName == name)
                return static_cast<std::int32_t>(*value);
        } else if (*type == kSettingString) {
            const auto size = reader.Card(4, big);
            if (!size || !reader.SkipPadded(*size))
                return std::nullopt;
        } else if (*type == kSettingColour) {
            if (!reader.Skip(8))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

int ParseWindowScale(const char* text)
{
    if (!text || !*text || std::strlen(text) > 3)
        return 0;
    int scale = 0;
    const char* end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, scale);
    return error == std::errc() && rest == end && scale >= 1 ? scale : 0;
}

DesktopChoice ChooseDesktop(const DesktopFacts& facts)
{
    DesktopChoice choice;
    if (!facts.platformNamed) {
        if (facts.xAnswers)
            choice.platform = "xcb";
        else if (facts.waylandOffered)
            choice.platform = "wayland";
    }
    // Qt follows a Wayland output's scale by itself. On X it takes Xft.dpi
    // as it is — 1.5 times at 144 dpi, which no pixel of the game's drawing
    // survives — and not the desktop's window scale; the game asks for a
    // whole number instead: the larger of what Xft.dpi stands for and the
    // window scale, as long as the match screen still fits on the screen.
    const std::string& platform = facts.platformNamed ? facts.namedPlatform : choice.platform;
    if (platform.rfind("xcb", 0) == 0 && facts.xAnswers && !facts.qtScaleNamed) {
        int scale = std::max({1, ScaleForDpi(facts.xftDpi), facts.windowScale});
        while (scale > 1 && !Fits(facts, scale))
            --scale;
        choice.scale = scale;
        // Text measured in points (the message boxes') keeps the size the
        // desktop asks for, of which the scale already gives its part.
        if (facts.xftDpi > 0)
            choice.fontDpi = (facts.xftDpi + scale / 2) / scale;
    }
    return choice;
}
