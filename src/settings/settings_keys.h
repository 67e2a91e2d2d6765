#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/color.h"

// The settings file's twenty keys: their sections, spellings and defaults. The names
// are a contract with every file already written: "Heigth" stays as it is.

enum class SettingKind { Integer, Boolean, String, Colour };

struct SettingKey {
  std::string_view section;
  std::string_view name;
  SettingKind kind;
  std::int32_t number = 0;          // default of an integer, Boolean (1 or 0) or colour
  std::string_view text = {};       // default of a string
  bool defaultFromWindow = false;   // the default depends on the overlay: its caller gives it
};

namespace key {
inline constexpr std::string_view kMain = "fMain";
inline constexpr std::string_view kFont = "Font";

inline constexpr SettingKey First{kMain, "First", SettingKind::Boolean, 1};
inline constexpr SettingKey Path{kMain, "Path", SettingKind::String, 0, "c:\\1.txt"};
inline constexpr SettingKey Color{kMain, "Color", SettingKind::Colour, clWindow, {}, true};
inline constexpr SettingKey Transparent{kMain, "Transparent", SettingKind::Integer, 100};
inline constexpr SettingKey Hole{kMain, "Hole", SettingKind::Integer, 20};
inline constexpr SettingKey AllTop{kMain, "AllTop", SettingKind::Boolean, 0};
inline constexpr SettingKey Onlytext{kMain, "Onlytext", SettingKind::Boolean, 0};
inline constexpr SettingKey Heigth{kMain, "Heigth", SettingKind::Integer, 100};
inline constexpr SettingKey Width{kMain, "Width", SettingKind::Integer, 200};
inline constexpr SettingKey Left{kMain, "Left", SettingKind::Integer, 0, {}, true};
inline constexpr SettingKey Top{kMain, "Top", SettingKind::Integer, 0, {}, true};
inline constexpr SettingKey WindowState{kMain, "WindowState", SettingKind::Integer, 0};
inline constexpr SettingKey FontName{kFont, "Name", SettingKind::String, 0, "Tahoma"};
inline constexpr SettingKey FontCharset{kFont, "Charset", SettingKind::Integer, 1};
inline constexpr SettingKey FontSize{kFont, "Size", SettingKind::Integer, 10};
inline constexpr SettingKey FontColor{kFont, "Color", SettingKind::Colour, 0};
inline constexpr SettingKey StyleBold{kFont, "Style_Bold", SettingKind::Boolean, 0};
inline constexpr SettingKey StyleItalic{kFont, "Style_Italic", SettingKind::Boolean, 0};
inline constexpr SettingKey StyleUnderline{kFont, "Style_Underline", SettingKind::Boolean, 0};
inline constexpr SettingKey StyleStrikeOut{kFont, "Style_StrikeOut", SettingKind::Boolean, 0};
}  // namespace key

inline constexpr std::array<SettingKey, 20> kSettingKeys = {
    key::First,    key::Path,        key::Color,     key::Transparent,   key::Hole,
    key::AllTop,   key::Onlytext,    key::Heigth,    key::Width,         key::Left,
    key::Top,      key::WindowState, key::FontName,  key::FontCharset,   key::FontSize,
    key::FontColor, key::StyleBold,  key::StyleItalic, key::StyleUnderline, key::StyleStrikeOut,
};

// "WindowState" means maximized only when it is exactly this.
inline constexpr std::int32_t kWindowStateMaximized = 1;
