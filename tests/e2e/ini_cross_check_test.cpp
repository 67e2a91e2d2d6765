// Our settings-file codec against the system's own profile functions: what either side
// writes, both sides read the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/cp1251.h"
#include "platform/win_byte_file.h"
#include "settings/ini_file.h"
#include "support/temp_folder.h"

namespace {

// What neither side would produce by itself, to tell "missing" from "empty".
constexpr const char* kAbsent = "<absent>";

struct Entry {
  std::string section;
  std::string key;
  std::string value;
};

struct Case {
  const char* name;
  std::vector<Entry> writes;
};

const std::string kCyrillic = EncodeCp1251(L"Вистаро Ёё №1 «котировки»");

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"plain", {{"fMain", "Hole", "20"}, {"Font", "Name", "Tahoma"}, {"fMain", "Path", "c:\\1.txt"}}},
      {"overwrite", {{"fMain", "Hole", "20"}, {"fMain", "Hole", "-3"}, {"fMain", "Top", "5"}}},
      {"case", {{"fMain", "Hole", "1"}, {"FMAIN", "HOLE", "2"}, {"fmain", "Width", "3"}}},
      {"quotes", {{"fMain", "Path", "\"c:\\a b.txt\""}, {"fMain", "A", "'x'"}, {"fMain", "B", "\"x'"},
                  {"fMain", "C", "\""}, {"fMain", "D", "\"\""}, {"fMain", "E", "say \"hi\""}}},
      {"blanks", {{"fMain", "Name", "  Tahoma  "}, {"fMain", "Empty", ""}, {"fMain", "Blank", "   "},
                  {"fMain", "Inner", "a  b"}}},
      {"empty", {{"fMain", "Path", ""}, {"Font", "Name", ""}}},
      {"long", {{"fMain", "Path", std::string(2046, 'a')}, {"fMain", "P2047", std::string(2047, 'b')},
                {"fMain", "P2048", std::string(2048, 'c')}, {"fMain", "P5000", std::string(5000, 'd')}}},
      {"cp1251", {{"fMain", "Path", "c:\\" + kCyrillic + ".txt"}, {"Font", "Name", kCyrillic}}},
      {"equals", {{"fMain", "Formula", "a=b=c"}, {"fMain", "Semi", ";x"}}},
      {"sections", {{"Font", "Size", "10"}, {"fMain", "Left", "1"}, {"Font", "Color", "255"},
                    {"Other", "X", "1"}}},
  };
  return cases;
}

// Every key the case writes, in every spelling, plus keys and sections that are missing.
std::vector<Entry> Queries(const Case& c) {
  std::vector<Entry> queries = c.writes;
  queries.push_back({"fMain", "Missing", ""});
  queries.push_back({"NoSuchSection", "Hole", ""});
  queries.push_back({"Font", "Hole", ""});
  return queries;
}

std::string SystemRead(const std::wstring& path, const Entry& q) {
  char buffer[2048];
  const std::string file = EncodeCp1251(path);
  const DWORD length = GetPrivateProfileStringA(q.section.c_str(), q.key.c_str(), kAbsent, buffer,
                                                sizeof buffer, file.c_str());
  return std::string(buffer, length);
}

std::string OurRead(const std::wstring& path, const Entry& q) {
  WinByteFile file(path);
  return IniFile(file).ReadString(q.section, q.key, kAbsent);
}

void SystemWrite(const std::wstring& path, const Entry& e) {
  const std::string file = EncodeCp1251(path);
  ASSERT_TRUE(WritePrivateProfileStringA(e.section.c_str(), e.key.c_str(), e.value.c_str(), file.c_str()));
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // flush the system's cache
}

void OurWrite(const std::wstring& path, const Entry& e) {
  WinByteFile file(path);
  IniFile(file).WriteString(e.section, e.key, e.value);
}

void ExpectSameReads(const std::wstring& path, const Case& c) {
  for (const Entry& q : Queries(c)) {
    EXPECT_EQ(OurRead(path, q), SystemRead(path, q))
        << c.name << ": [" << q.section << "] " << q.key << "\nfile:\n" << ReadBytes(path);
  }
}

// Every case written by one side into a file of its own, then read by both.
void CheckWrittenBy(const wchar_t* writerName, void (*write)(const std::wstring&, const Entry&),
                    std::string (*readBack)(const std::wstring&, const Entry&)) {
  TempFolder folder;
  for (const Case& c : Cases()) {
    const std::wstring path = folder.File(writerName + (L"-" + Utf8ToWide(c.name)) + L".ini");
    for (const Entry& e : c.writes) write(path, e);
    ASSERT_NE(readBack(path, c.writes.back()), kAbsent) << c.name << ": nothing was written";
    ExpectSameReads(path, c);
  }
}

}  // namespace

TEST(IniCrossCheck, FilesTheSystemWritesReadTheSameThroughOurCodec) {
  CheckWrittenBy(L"system", SystemWrite, SystemRead);
}

TEST(IniCrossCheck, FilesOurCodecWritesReadTheSameThroughTheSystem) { CheckWrittenBy(L"ours", OurWrite, OurRead); }

// Hand-made files with the layouts people and other programs leave behind.
TEST(IniCrossCheck, HandMadeFilesReadTheSameOnBothSides) {
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"duplicates", "[fMain]\r\nHole=1\r\nHole=2\r\n[Font]\r\nName=A\r\n[fMain]\r\nTop=3\r\n"},
      {"blanksinside", "[ fMain ]\r\nHole=9\r\n"},
      {"blanks", "  [fMain]  \r\n  Hole   =   7   \r\n\tTop\t=\t8\r\n"},
      {"case", "[FMAIN]\r\nhole=4\r\n[font]\r\nNAME=Arial\r\n"},
      {"lf", "[fMain]\nHole=5\nPath=c:\\q.txt\n"},
      {"nobreak", "[fMain]\r\nHole=6"},
      {"novalue", "[fMain]\r\nHole\r\nTop=\r\nLeft=   \r\n"},
      {"quotes", "[fMain]\r\nPath=\"c:\\x y\"\r\nA='q'\r\nB=\"q'\r\nC=\"\r\nD=\" 1 \"\r\n"},
      {"beforesection", "Hole=1\r\n[fMain]\r\nTop=2\r\n"},
      {"comments", "; a comment\r\n[fMain]\r\n;Hole=1\r\nHole=2\r\n"},
      {"cp1251", "[fMain]\r\nPath=" + kCyrillic + "\r\n[Font]\r\nName=" + kCyrillic + "\r\n"},
      {"long", "[fMain]\r\nPath=" + std::string(3000, 'z') + "\r\n"},
  };
  const Case queries{"hand-made",
                     {{"fMain", "Hole", ""}, {"fMain", "Top", ""}, {"fMain", "Left", ""},
                      {"fMain", "Path", ""}, {"fMain", "A", ""}, {"fMain", "B", ""},
                      {"fMain", "C", ""}, {"fMain", "D", ""}, {"Font", "Name", ""}}};
  TempFolder folder;
  for (const auto& f : files) {
    const std::wstring path = folder.File(L"hand-" + Utf8ToWide(f.name) + L".ini");
    WriteBytes(path, f.bytes);
    ExpectSameReads(path, queries);
  }
}
