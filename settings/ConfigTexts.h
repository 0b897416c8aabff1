// The settings dialog's own texts.
#pragma once

namespace sv::text
{
inline constexpr const wchar_t* kSettingsCaption = L"Einstellungen";
inline constexpr const wchar_t* kProgramCaption = L"Solvanta";
inline constexpr const wchar_t* kWholeNumberWanted = L"Geben Sie eine ganze Zahl ein.";
// "Ordnerfenster"
inline constexpr const wchar_t* kChooseStartFolder = L"Startordner auswählen";
inline constexpr const wchar_t* kOpenFolderWindowFirst = L"Bitte zuerst ein Ordnerfenster öffnen! ";
inline constexpr const wchar_t* kNoVirtualTemplate =
    L"Virtuelle Ordner können nicht als Vorlage gewählt werden. ";
inline constexpr const wchar_t* kTemplateTaken =
    L"Die Ansicht des aktiven Ordnerfensters \nwurde als Vorlage übernommen. ";
inline constexpr const wchar_t* kChooseTemplateFirst = L"Bitte zuerst eine Vorlage wählen! ";
inline constexpr const wchar_t* kDefaultUserFontFace = L"Tahoma";
inline constexpr int kDefaultUserFontPoints = 8;
// "Favoriten"
inline constexpr const wchar_t* kChooseFavoriteFolder = L"Favoritenordner auswählen...";
inline constexpr const wchar_t* kOverwriteColors =
    L"Dadurch werden alle Farbeinstellungen überschrieben.\n\nSind Sie sicher?";
inline constexpr const wchar_t* kFavoriteNameColumn = L"Bezeichnung";
inline constexpr const wchar_t* kFavoritePathColumn = L"Ordnerpfad";
// "Filter"
inline constexpr const wchar_t* kDropDownEmpty = L"Die Dropdown-Liste enthält noch keine Einträge.";
inline constexpr const wchar_t* kSizeUnits[] = {L"Bytes", L"KB", L"MB", L"GB"};
inline constexpr const wchar_t* kDateKinds[] = {L"Erstellung", L"Letzte Änderung", L"Letzter Zugriff"};
inline constexpr const wchar_t* kSpanUnits[] = {L"Minuten", L"Stunden", L"Tagen",
                                                L"Wochen",  L"Monaten", L"Jahren"};
// "Extras"
inline constexpr const wchar_t* kProgramFilter = L"*.exe|*.exe||";
inline constexpr const wchar_t* kChooseCompareProgram = L"Externes Vergleichsprogramm";
inline constexpr const wchar_t* kChooseSearchProgram = L"Externes Suchprogramm";
} // namespace sv::text
