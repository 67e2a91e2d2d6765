#include "settings/ini_text.h"

#include <vector>

#include "platform/cp1251.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

enum class LineKind { Blank, Section, Key };

struct Line {
  std::size_t begin = 0;  // first byte of the line
  std::size_t end = 0;    // one past its last byte, before the line break
  std::size_t next = 0;   // first byte of the next line
  LineKind kind = LineKind::Blank;
  std::string_view name;                  // section or key name, trimmed
  std::optional<std::string_view> value;  // key lines with "=", trimmed
};

Line ParseLine(std::string_view text, std::size_t begin) {
  Line line;
  line.begin = begin;
  line.end = text.find_first_of("\r\n", begin);
  if (line.end == std::string_view::npos) line.end = text.size();
  line.next = line.end;
  if (line.next < text.size() && text[line.next] == '\r') ++line.next;
  if (line.next < text.size() && text[line.next] == '\n') ++line.next;

  const std::string_view content = Trim(text.substr(begin, line.end - begin));
  if (content.empty()) return line;
  if (content.front() == '[') {
    const std::size_t close = content.rfind(']');
    if (close != 0 && close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = Trim(content.substr(1, close - 1));
      return line;
    }
  }
  line.kind = LineKind::Key;
  const std::size_t equals = content.find('=');
  if (equals == std::string_view::npos) {
    line.name = content;
  } else {
    line.name = Trim(content.substr(0, equals));
    line.value = Trim(content.substr(equals + 1));
  }
  return line;
}

std::vector<Line> ParseLines(std::string_view text) {
  std::vector<Line> lines;
  for (std::size_t pos = 0; pos < text.size();) {
    lines.push_back(ParseLine(text, pos));
    pos = lines.back().next;
  }
  return lines;
}

// Where a section's lines lie: its header and the lines up to the next header.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::Section || !Cp1251EqualsIgnoreCase(lines[i].name, section)) {
      continue;
    }
    std::size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != LineKind::Section) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind == LineKind::Key && Cp1251EqualsIgnoreCase(lines[i].name, key)) return i;
  }
  return std::nullopt;
}

std::string_view StripMatchingQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// A value is one line of text: what follows a line break (or a NUL, where the system's
// functions stop) would otherwise become lines of its own.
std::string_view OneLine(std::string_view value) {
  return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

constexpr std::string_view kLineBreak = "\r\n";

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += OneLine(value);
  line += kLineBreak;
  return line;
}

}  // namespace

std::optional<std::string> IniReadValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  const std::vector<Line> lines = ParseLines(text);
  const auto span = FindSection(lines, Trim(section));
  if (!span) return std::nullopt;
  const auto index = FindKey(lines, *span, Trim(key));
  if (!index || !lines[*index].value) return std::nullopt;
  return std::string(StripMatchingQuotes(*lines[*index].value).substr(0, kIniValueMaxLength));
}

std::string IniWriteValue(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  const std::vector<Line> lines = ParseLines(text);
  std::string result;
  const auto span = FindSection(lines, section);

  if (!span) {
    result = text;
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += kLineBreak;
    if (!lines.empty() && lines.back().kind != LineKind::Blank) result += kLineBreak;
    result += '[';
    result += section;
    result += ']';
    result += kLineBreak;
    result += KeyLine(key, value);
    return result;
  }

  if (const auto index = FindKey(lines, *span, key)) {
    const Line& line = lines[*index];
    result = text.substr(0, line.begin);
    result += KeyLine(line.name, value);
    result += text.substr(line.next);
    return result;
  }

  std::size_t last = span->end - 1;
  while (lines[last].kind == LineKind::Blank) --last;
  const Line& after = lines[last];
  result = text.substr(0, after.next);
  if (after.next == after.end) result += kLineBreak;  // the file ended without a line break
  result += KeyLine(key, value);
  result += text.substr(after.next);
  return result;
}
