#pragma once

#include <string>
#include <string_view>

// What the overlay's display shows of the monitored file and of errors.

// Line breaks made CR LF: a lone CR and a lone LF each become CR LF.
std::wstring AdjustLineBreaks(std::wstring_view text);

// The file's bytes as the display shows them: up to the first NUL, code page 1251,
// line breaks made CR LF.
std::wstring DisplayTextOf(std::string_view fileBytes);

// An error put in front of the display's text: "Возникла ошибка (класс <class>):<message>",
// the separator, then the previous text. The poll separates with CR, the worker with LF.
std::wstring ErrorText(std::string_view className, std::string_view message, wchar_t separator,
                       std::wstring_view previousText);

// A system's description of a failure as messages quote it: without the trailing line
// break, blanks and full stop.
std::wstring TrimSystemMessage(std::wstring_view message);
