#include "platform/desktop_choice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// An XSETTINGS property as a settings manager writes it, in either byte order.
class SettingsBlob {
public:
    explicit SettingsBlob(bool bigEndian) : big_(bigEndian)
    {
        bytes_ = {static_cast<std::uint8_t>(big_ ? 1 : 0), 0, 0, 0};
        Card(7, 4);  // the manager's serial
        Card(0, 4);  // the count, filled in as settings are added
    }
    SettingsBlob& Integer(const std::string& name, std::int32_t value)
    {
        Head(0, name);
        Card(static_cast<std::uint32_t>(value), 4);
        return Counted();
    }
    SettingsBlob& String(const std::string& name, const std::string& value)
    {
        Head(1, name);
        Card(static_cast<std::uint32_t>(value.size()), 4);
        Padded(value);
        return Counted();
    }
    SettingsBlob& Colour(const std::string& name)
    {
        Head(2, name);
        for (int channel = 0; channel < 4; ++channel)
            Card(0xffff, 2);
        return Counted();
    }
    std::vector<std::uint8_t> Bytes() const { return bytes_; }

private:
    void Card(std::uint32_t value, int size)
    {
        for (int i = 0; i < size; ++i) {
            const int shift = 8 * (big_ ? size - 1 - i : i);
            bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void Padded(const std::string& text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }
    void Head(std::uint8_t type, const std::string& name)
    {
        bytes_.push_back(type);
        bytes_.push_back(0);
        Card(static_cast<std::uint32_t>(name.size()), 2);
        Padded(name);
        Card(3, 4);  // the setting's last-change serial
    }
    SettingsBlob& Counted()
    {
        ++count_;
        for (int i = 0; i < 4; ++i)
            bytes_[8 + i] = static_cast<std::uint8_t>(count_ >> (8 * (big_ ? 3 - i : i)));
        return *this;
    }

    bool big_;
    std::uint32_t count_ = 0;
    std::vector<std::uint8_t> bytes_;
};

DesktopFacts XDesktop(int xftDpi, int windowScale = 0)
{
    DesktopFacts facts;
    facts.xAnswers = true;
    facts.waylandOffered = true;
    facts.xftDpi = xftDpi;
    facts.windowScale = windowScale;
    facts.screenWidth = 3840;
    facts.screenHeight = 2160;
    return facts;
}

} // namespace

TEST(DesktopChoice, XFirstWaylandWithoutAnXServerAndThePlayersOwnChoiceAlways)
{
    DesktopFacts session;  // a Wayland session with XWayland
    session.xAnswers = true;
    session.waylandOffered = true;
    EXPECT_EQ(ChooseDesktop(session).platform, "xcb");

    session.xAnswers = false;  // no XWayland
    EXPECT_EQ(ChooseDesktop(session).platform, "wayland");

    session.platformNamed = true;  // QT_QPA_PLATFORM or -platform
    session.namedPlatform = "offscreen";
    session.xAnswers = true;
    EXPECT_EQ(ChooseDesktop(session), DesktopChoice{}) << "the player's platform is left as named, unscaled";

    DesktopFacts nothing;  // no display server at all: Qt says so itself
    EXPECT_EQ(ChooseDesktop(nothing), DesktopChoice{});
}

TEST(DesktopChoice, TheDesktopsScaleOnXIsAWholeNumberThatFitsTheScreen)
{
    EXPECT_EQ(ChooseDesktop(XDesktop(0)).scale, 1) << "no Xft.dpi";
    EXPECT_EQ(ChooseDesktop(XDesktop(96)).scale, 1);
    EXPECT_EQ(ChooseDesktop(XDesktop(120)).scale, 1) << "large text only";
    EXPECT_EQ(ChooseDesktop(XDesktop(144)).scale, 1) << "a half rounds down";
    EXPECT_EQ(ChooseDesktop(XDesktop(168)).scale, 2);
    EXPECT_EQ(ChooseDesktop(XDesktop(192)).scale, 2);
    EXPECT_EQ(ChooseDesktop(XDesktop(288)).scale, 3);
    // The window scale alone, and the larger of the two.
    EXPECT_EQ(ChooseDesktop(XDesktop(96, 2)).scale, 2);
    EXPECT_EQ(ChooseDesktop(XDesktop(192, 3)).scale, 3);
    EXPECT_EQ(ChooseDesktop(XDesktop(288, 2)).scale, 3);
    // Text in points keeps the desktop's size: the scale's share is taken out.
    EXPECT_EQ(ChooseDesktop(XDesktop(192)).fontDpi, 96);
    EXPECT_EQ(ChooseDesktop(XDesktop(144)).fontDpi, 144) << "large text at the scale of 1";
    EXPECT_EQ(ChooseDesktop(XDesktop(240, 3)).fontDpi, 80);
    EXPECT_EQ(ChooseDesktop(XDesktop(0, 2)).fontDpi, 0) << "no Xft.dpi: Qt's own";

    // Never larger than the screen holds the match screen with its title bar.
    DesktopFacts laptop = XDesktop(384);
    laptop.screenWidth = 1920;
    laptop.screenHeight = 1080;
    EXPECT_EQ(ChooseDesktop(laptop).scale, 2) << "three times would be 1812 x 1050, no room for a title bar";
    laptop.screenWidth = 1024;
    laptop.screenHeight = 768;
    EXPECT_EQ(ChooseDesktop(laptop).scale, 1);

    // The player named X himself: still the desktop's scale.
    DesktopFacts named = XDesktop(192);
    named.platformNamed = true;
    named.namedPlatform = "xcb";
    EXPECT_EQ(ChooseDesktop(named), (DesktopChoice{"", 2, 96}));

    // A Qt scale variable, Wayland (Qt follows the output's scale), or an X
    // server that does not answer: the scale is left to Qt.
    DesktopFacts qtScaled = XDesktop(192);
    qtScaled.qtScaleNamed = true;
    EXPECT_EQ(ChooseDesktop(qtScaled), (DesktopChoice{"xcb", 0, 0}));
    DesktopFacts wayland = XDesktop(192, 2);
    wayland.xAnswers = false;
    EXPECT_EQ(ChooseDesktop(wayland), (DesktopChoice{"wayland", 0, 0}));
    named.xAnswers = false;
    EXPECT_EQ(ChooseDesktop(named).scale, 0);
}

TEST(DesktopChoice, XftDpiIsReadFromTheResourcesAndWindowScalesFromTheirText)
{
    EXPECT_EQ(XftDpi("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192);
    EXPECT_EQ(XftDpi("Xft.dpi: 143.9"), 144);
    EXPECT_EQ(XftDpi("*customization:\t-color\nXft.dpi:96"), 96);
    EXPECT_EQ(XftDpi("Xft.dpix:\t192\n"), 0) << "another resource";
    EXPECT_EQ(XftDpi("Xft.dpi:\tlarge\n"), 0);
    EXPECT_EQ(XftDpi("Xft.dpi:\t-96\n"), 0);
    EXPECT_EQ(XftDpi(""), 0);
    EXPECT_EQ(ScaleForDpi(0), 0);
    EXPECT_EQ(ScaleForDpi(30), 1) << "never below 1 once set";

    EXPECT_EQ(ParseWindowScale("2"), 2);
    EXPECT_EQ(ParseWindowScale("1"), 1);
    for (const char* text : {"", "0", "-2", "1.5", "2x", "99999999999"})
        EXPECT_EQ(ParseWindowScale(text), 0) << text;
    EXPECT_EQ(ParseWindowScale(nullptr), 0);
}

TEST(DesktopChoice, XSettingsAreReadInBothByteOrdersAndDamageIsRefused)
{
    for (const bool big : {false, true}) {
        const std::vector<std::uint8_t> bytes = SettingsBlob(big)
                                                    .String("Net/ThemeName", "Adwaita")
                                                    .Colour("Gtk/Colour")
                                                    .Integer("Xft/DPI", 196608)
                                                    .Integer("Gdk/UnscaledDPI", 98304)
                                                    .Integer("Gdk/WindowScalingFactor", 2)
                                                    .Bytes();
        EXPECT_EQ(XSettingsInteger(bytes, "Gdk/WindowScalingFactor"), 2) << (big ? "big" : "little");
        EXPECT_EQ(XSettingsInteger(bytes, "Xft/DPI"), 196608);
        EXPECT_EQ(XSettingsInteger(bytes, "Net/ThemeName"), std::nullopt) << "a string, not an integer";
        EXPECT_EQ(XSettingsInteger(bytes, "Gdk/Missing"), std::nullopt);
        // Every cut short of the whole is refused; none reads past its end.
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
            EXPECT_EQ(XSettingsInteger(cut, "Gdk/WindowScalingFactor"), std::nullopt) << length;
        }
    }
    std::vector<std::uint8_t> foreign = SettingsBlob(false).Integer("Gdk/WindowScalingFactor", 2).Bytes();
    foreign[0] = 7;
    EXPECT_EQ(XSettingsInteger(foreign, "Gdk/WindowScalingFactor"), std::nullopt) << "no byte-order mark";
    std::vector<std::uint8_t> unknownType = SettingsBlob(false).Integer("Gdk/WindowScalingFactor", 2).Bytes();
    unknownType[12] = 9;
    EXPECT_EQ(XSettingsInteger(unknownType, "Gdk/WindowScalingFactor"), std::nullopt);
}
