#include "dialogs/programsettings.h"

#include <algorithm>
#include <climits>

#include "dialogs/lookuporder.h"
#include "model/numbertext.h"

namespace korvex {
namespace {

// Reads the values of one step of ReadSettings: the first Boolean or Integer that is missing or
// of the wrong type ends the step, and every later read of the step leaves its target alone.
class StepReader {
 public:
  explicit StepReader(const SettingsKey& key) : key_(key) {}

  void Bool(const char* name, bool& target) {
    if (!going_) return;
    const std::optional<bool> value = key_.ReadBool(name);
    if (!value) { going_ = false; return; }
    target = *value;
  }

  // Delivers the Integer to `apply`, which decides what a value means.
  template <typename Apply>
  void Integer(const char* name, Apply apply) {
    if (!going_) return;
    const std::optional<int32_t> value = key_.ReadInteger(name);
    if (!value) { going_ = false; return; }
    apply(*value);
  }

  // False when the step had already ended and nothing was read.
  bool String(const char* name, std::string& target, const char* default_text = "") {
    if (!going_) return false;
    target = key_.ReadString(name).value_or(default_text);
    return true;
  }

 private:
  const SettingsKey& key_;
  bool going_ = true;
};

void ReadOnlineValues(const SettingsKey& key, ProgramSettings& s) {
  s.Online_Update_Check = true;
  s.Online_Update_Check_Beta = false;
  s.Online_Proxy.clear();
  s.Online_Proxy_Port.clear();
  s.Online_Proxy_Username.clear();
  s.Online_Proxy_Password.clear();
  StepReader step(key);
  step.Bool("Online_Update_Check", s.Online_Update_Check);
  step.Bool("Online_Update_Check_Beta", s.Online_Update_Check_Beta);
  step.String("Online_Proxy", s.Online_Proxy);
  step.String("Online_Proxy_Port", s.Online_Proxy_Port);
  step.String("Online_Proxy_Username", s.Online_Proxy_Username);
  step.String("Online_Proxy_Password", s.Online_Proxy_Password);
}

void ReadIndexCardPrinter(const SettingsKey& key, ProgramSettings& s) {
  StepReader step(key);
  step.String("Printer_Kartei_Drucker", s.Printer_Kartei_Drucker);
  step.Integer("Printer_Kartei_Papiertyp", [&](int32_t value) { s.Printer_Kartei_Papiertyp = value; });
}

void ReadPrintFontSize(const SettingsKey& key, ProgramSettings& s) {
  const std::optional<int32_t> size = key.ReadInteger("Printer_Font_Size");
  // A size the up-down control cannot show would make every printout unreadable.
  s.Printer_Font_Size = size ? std::clamp<int>(*size, kMinPrintFontSize, kMaxPrintFontSize) : 9;
}

void ReadUrl(const SettingsKey& key, ProgramSettings& s) {
  s.URL = key.ReadString("URL").value_or("");
  if (s.URL.empty()) s.URL = kDefaultServiceUrl;
}

PictureDisplay PictureDisplayOf(const std::string& code) {
  if (code == "000") return PictureDisplay::kOnRequest;
  if (code == "001") return PictureDisplay::kWithRecord;
  if (code == "002") return PictureDisplay::kAlways;
  return PictureDisplay::kListMode;
}

const char* PictureDisplayCode(PictureDisplay display) {
  switch (display) {
    case PictureDisplay::kOnRequest: return "000";
    case PictureDisplay::kWithRecord: return "001";
    case PictureDisplay::kAlways: return "002";
    case PictureDisplay::kListMode: break;
  }
  return "003";
}

void ReadPageValues(const SettingsKey& key, ProgramSettings& s) {
  StepReader step(key);
  step.Bool("KatGl", s.KatGl);
  step.Bool("KatGlFrage", s.KatGlFrage);
  step.Bool("AutoSaveEnd", s.AutoSaveEnd);
  step.String("AutoSaveTime", s.AutoSaveTime, "10");
  step.Bool("AutoSave", s.AutoSave);
  step.Bool("Anfrage", s.Anfrage);
  step.Bool("AutoDatei", s.AutoDatei);
  step.String("AutoDatei_Name", s.AutoDatei_Name);
  step.String("DatumFormat", s.DatumFormat);
  step.Bool("DatumAuto", s.DatumAuto);
  std::string code;
  if (step.String("Graphik_Autoformat", code, "000")) s.Graphik_Autoformat = code != "000";
  step.Bool("Graphik_Focus", s.Graphik_Focus);
  if (step.String("Graphik_Auto", code, "000")) s.Graphik_Auto = PictureDisplayOf(code);
  step.Integer("Graphik_Pos", [&](int32_t value) {
    if (value == 1 || value == 2 || value == 4 || value == 8 || value == 16 || value == 32) {
      s.Graphik_Pos = static_cast<PicturePlace>(value);
    }
  });
  step.Integer("Graphik_Copy", [&](int32_t value) {
    if (value == 1 || value == 2 || value == 4) s.Graphik_Copy = static_cast<PictureCopy>(value);
  });
}

void ReadTools(SettingsStore& store, ProgramSettings& s) {
  const SettingsKey key(store, "Tools");
  if (!key.Exists()) return;
  std::vector<ToolEntry> tools;
  for (const std::string& name : key.ValueNames()) {
    if (std::optional<std::string> command = key.ReadString(name)) {
      tools.push_back(ToolEntry{name, std::move(*command)});
    }
  }
  std::sort(tools.begin(), tools.end(), [](const ToolEntry& a, const ToolEntry& b) {
    return CompareLookupText(a.name + "=" + a.command, b.name + "=" + b.command) < 0;
  });
  s.tools = std::move(tools);
}

}  // namespace

bool ReadSettings(SettingsStore& store, ProgramSettings& settings) {
  if (!store.IsAccessible()) return false;
  const SettingsKey key(store);
  ReadOnlineValues(key, settings);
  ReadIndexCardPrinter(key, settings);
  ReadPrintFontSize(key, settings);
  ReadUrl(key, settings);
  ReadPageValues(key, settings);
  ReadTools(store, settings);
  return true;
}

bool WriteSettings(SettingsStore& store, const ProgramSettings& s) {
  if (!store.IsAccessible()) return false;
  SettingsKey key(store);
  key.WriteBool("Online_Update_Check", s.Online_Update_Check);
  key.WriteBool("Online_Update_Check_Beta", s.Online_Update_Check_Beta);
  key.WriteString("Online_Proxy", s.Online_Proxy);
  key.WriteString("Online_Proxy_Port", s.Online_Proxy_Port);
  key.WriteString("Online_Proxy_Username", s.Online_Proxy_Username);
  key.WriteString("Online_Proxy_Password", s.Online_Proxy_Password);
  key.WriteInteger("Printer_Font_Size", s.Printer_Font_Size);
  key.WriteBool("KatGl", s.KatGl);
  key.WriteBool("KatGlFrage", s.KatGlFrage);
  key.WriteBool("AutoSaveEnd", s.AutoSaveEnd);
  key.WriteString("AutoSaveTime", s.AutoSaveTime);
  key.WriteBool("AutoSave", s.AutoSave);
  key.WriteBool("Anfrage", s.Anfrage);
  key.WriteBool("AutoDatei", s.AutoDatei);
  key.WriteString("AutoDatei_Name", s.AutoDatei_Name);
  key.WriteString("DatumFormat", s.DatumFormat);
  key.WriteBool("DatumAuto", s.DatumAuto);
  key.WriteString("Graphik_Autoformat", s.Graphik_Autoformat ? "001" : "000");
  key.WriteBool("Graphik_Focus", s.Graphik_Focus);
  key.WriteString("Graphik_Auto", PictureDisplayCode(s.Graphik_Auto));
  key.WriteInteger("Graphik_Pos", static_cast<int32_t>(s.Graphik_Pos));
  key.WriteInteger("Graphik_Copy", static_cast<int32_t>(s.Graphik_Copy));
  store.Flush();  // write errors are not reported, as with the registry
  return true;
}

std::optional<int> AutoSaveInterval(const ProgramSettings& settings) {
  if (!settings.AutoSave) return std::nullopt;
  int minutes = 0;
  // Zero or fewer minutes would let the timer fire without pause; too many overflow it.
  if (!ParseInt32(settings.AutoSaveTime, minutes) || minutes <= 0 || minutes > INT_MAX / 60000) {
    return std::nullopt;
  }
  return minutes * 60000;
}

int PrintFontSizeFromText(const std::string& text, int present) {
  int size = 0;
  if (!ParseInt32(text, size)) return present;
  return std::clamp(size, kMinPrintFontSize, kMaxPrintFontSize);
}

}  // namespace korvex
