#include "platform/error_report.h"

#include "platform/cp1251.h"

std::wstring ReportText(const std::string& utf8Message) {
  std::wstring text = Utf8ToWide(utf8Message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}
