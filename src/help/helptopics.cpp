#include "help/helptopics.h"

#include <algorithm>
#include <iterator>

namespace korvex {
namespace {

struct TopicEntry {
  int context;
  HelpTopic topic;
};

// The one table from help context numbers to pages and anchors. The entry dialog's controls
// (1001 to 1042, search options 1101 to 1105) lead to the description of their field.
constexpr TopicEntry kTopics[] = {
    {kHelpContents, {"index.html", ""}},
    {kHelpEntryDialog, {"eingabe.html", ""}},
    {1001, {"eingabe.html", "sammelgebiet"}},
    {1002, {"eingabe.html", "inventarnummer"}},
    {1003, {"eingabe.html", "qualitaet"}},
    {1004, {"eingabe.html", "katalognummern"}},
    {1005, {"eingabe.html", "land"}},
    {1006, {"eingabe.html", "stadt"}},
    {1007, {"eingabe.html", "stueckzahl"}},
    {1008, {"eingabe.html", "muenzmeister"}},
    {1009, {"eingabe.html", "praegestaette"}},
    {1010, {"eingabe.html", "wertzahl"}},
    {1011, {"eingabe.html", "waehrung"}},
    {1012, {"eingabe.html", "motive"}},
    {1013, {"eingabe.html", "motive"}},
    {1014, {"eingabe.html", "rand"}},
    {1015, {"eingabe.html", "praegejahr"}},
    {1016, {"eingabe.html", "ausgabedatum"}},
    {1017, {"eingabe.html", "gueltig-bis"}},
    {1018, {"eingabe.html", "katalogwert"}},
    {1019, {"eingabe.html", "schaetzwert"}},
    {1020, {"eingabe.html", "kaufpreis"}},
    {1021, {"eingabe.html", "kaufdatum"}},
    {1022, {"eingabe.html", "gewicht"}},
    {1023, {"eingabe.html", "feingehalt"}},
    {1024, {"eingabe.html", "feingewicht"}},
    {1025, {"eingabe.html", "haendler"}},
    {1026, {"eingabe.html", "legierung"}},
    {1027, {"eingabe.html", "etui"}},
    {1028, {"eingabe.html", "zertifikat"}},
    {1029, {"eingabe.html", "thema"}},
    {1030, {"eingabe.html", "durchmesser"}},
    {1031, {"eingabe.html", "durchmesser"}},
    {1032, {"eingabe.html", "muenzdicke"}},
    {1033, {"eingabe.html", "auflage"}},
    {1034, {"eingabe.html", "aufbewahrungsort"}},
    {1035, {"eingabe.html", "kuenstler"}},
    {1036, {"eingabe.html", "kuenstler"}},
    {1037, {"bilder.html", "bilder-zuordnen"}},
    {1038, {"bilder.html", "bilder-zuordnen"}},
    {1039, {"eingabe.html", "bemerkungen"}},
    {1040, {"eingabe.html", "weitere-muenze"}},
    {1041, {"eingabe.html", "uebernehmen"}},
    {1042, {"eingabe.html", "uebernehmen"}},
    {1101, {"suchen.html", "alle-sammelgebiete"}},
    {1102, {"suchen.html", "exakt"}},
    {1103, {"suchen.html", "gross-klein"}},
    {1104, {"suchen.html", "oder-und"}},
    {1105, {"suchen.html", "oder-und"}},
    {kHelpNumberRanges, {"sammelgebiete.html", "nummernkreise"}},
};

}  // namespace

std::optional<HelpTopic> HelpTopicOf(int context) {
  const auto found = std::find_if(std::begin(kTopics), std::end(kTopics),
                                  [context](const TopicEntry& entry) { return entry.context == context; });
  if (found == std::end(kTopics)) return std::nullopt;
  return found->topic;
}

std::vector<int> KnownHelpContexts() {
  std::vector<int> contexts;
  for (const TopicEntry& entry : kTopics) contexts.push_back(entry.context);
  std::sort(contexts.begin(), contexts.end());
  return contexts;
}

const std::vector<HelpPageEntry>& HelpContentsPages() {
  static const std::vector<HelpPageEntry> pages = {
      {"index.html", "Willkommen bei Korvex"},
      {"dateien.html", "Sammlungsdateien und Passwörter"},
      {"sammelgebiete.html", "Sammelgebiete"},
      {"eingabe.html", "Münzen eingeben"},
      {"suchen.html", "Suchen und Filter"},
      {"sortieren.html", "Sortieren"},
      {"bilder.html", "Münzbilder"},
      {"drucken.html", "Drucken"},
      {"statistik.html", "Statistik"},
      {"textaustausch.html", "Textdateien austauschen"},
      {"sicherung.html", "Datensicherung"},
      {"einstellungen.html", "Einstellungen und Hilfsdatenbanken"},
      {"kommandozeile.html", "Das Kommandozeilenwerkzeug korvex-cli"},
  };
  return pages;
}

}  // namespace korvex
