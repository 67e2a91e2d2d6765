#include "overlay/display_text.h"

#include "platform/cp1251.h"

std::wstring AdjustLineBreaks(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      out += L"\r\n";
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::wstring DisplayTextOf(std::string_view fileBytes) {
  return AdjustLineBreaks(DecodeCp1251(fileBytes.substr(0, fileBytes.find('\0'))));
}

std::wstring ErrorText(std::string_view className, std::string_view message, wchar_t separator,
                       std::wstring_view previousText) {
  std::wstring text = Utf8ToWide("Возникла ошибка (класс ");
  text += Utf8ToWide(className);
  text += L"):";
  text += Utf8ToWide(message);
  text += separator;
  text += previousText;
  return text;
}

std::wstring TrimSystemMessage(std::wstring_view message) {
  while (!message.empty() && (message.back() <= L' ' || message.back() == L'.')) {
    message.remove_suffix(1);
  }
  return std::wstring(message);
}
