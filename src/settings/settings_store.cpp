// Moving the settings between the settings file, the dialog's controls and the overlay.
#include "overlay/form1.h"
#include "platform/cp1251.h"
#include "settings/form2.h"
#include "settings/settings_file.h"

void TForm2::LoadSettings() {
  try {
    SettingsFile settings;
    IniFile& ini = settings.Ini();
    FirstRun = ini.ReadBool(key::First);
    FontSpec& font = FontDialog1.Font;
    font.SetName(DecodeCp1251(ini.ReadString(key::FontName)));
    font.charset = static_cast<std::uint8_t>(ini.ReadInteger(key::FontCharset) & 0xFF);
    font.size = ini.ReadInteger(key::FontSize);
    font.color = ini.ReadInteger(key::FontColor);
    ColorDialog1.Color = ini.ReadInteger(key::Color, Form1->Color());
    font.bold = ini.ReadBool(key::StyleBold);
    font.italic = ini.ReadBool(key::StyleItalic);
    font.underline = ini.ReadBool(key::StyleUnderline);
    font.strikeOut = ini.ReadBool(key::StyleStrikeOut);
    TrackBar1.SetPosition(ini.ReadInteger(key::Transparent));
    SpinEdit1.SetValue(ini.ReadInteger(key::Hole));
    Edit1.SetText(DecodeCp1251(ini.ReadString(key::Path)));
    Form1->Memo1.SetFontSpec(FontDialog1.Font);
    Form1->Memo1.SetColor(ini.ReadInteger(key::Color, Form1->Color()));
    CheckBox1.SetChecked(ini.ReadBool(key::AllTop));
    CheckBox2.SetChecked(ini.ReadBool(key::Onlytext));
    ApplyTransparency();
  } catch (...) {
    // Loading is best effort: what was loaded before a failure stays in effect.
  }
}

void TForm2::SaveSettings() {
  {
    SettingsFile settings;
    IniFile& ini = settings.Ini();
    ini.WriteBool(key::First, false);
    ini.WriteString(key::Path, EncodeCp1251(Edit1.Text()));
    FontDialog1.Font = Form1->Memo1.Font();
    const FontSpec& font = FontDialog1.Font;
    ini.WriteString(key::FontName, EncodeCp1251(font.name));
    ini.WriteInteger(key::FontCharset, font.charset);
    ini.WriteInteger(key::FontSize, font.size);
    ini.WriteInteger(key::FontColor, font.color);
    ini.WriteBool(key::StyleBold, font.bold);
    ini.WriteBool(key::StyleItalic, font.italic);
    ini.WriteBool(key::StyleUnderline, font.underline);
    ini.WriteBool(key::StyleStrikeOut, font.strikeOut);
    ini.WriteInteger(key::Color, Form1->Memo1.Color());
    ini.WriteInteger(key::Transparent, TrackBar1.Position());
    ini.WriteInteger(key::Hole, SpinEdit1.Value());
    ini.WriteBool(key::AllTop, CheckBox1.Checked());
    ini.WriteBool(key::Onlytext, CheckBox2.Checked());
  }
}

void TForm2::ApplyTransparency() { Form1->SetTransparency(TransparencyFor(TrackBar1.Position())); }
