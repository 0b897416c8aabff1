#include "FileMessages.h"

namespace sv
{

namespace
{
struct FileTexts
{
    const wchar_t* cannotOpen;
    const wchar_t* badContent;
    const wchar_t* cannotCreate;
    const wchar_t* writeFailed;
};

const FileTexts& TextsOf(DataFileKind kind)
{
    static const FileTexts kSettings{L"Fehler beim Lesezugriff auf die Konfigurationsdatei.",
                                     L"Fehler beim Lesen der Konfigurationsdatei.",
                                     L"Fehler beim Schreibzugriff auf die Konfigurationsdatei.",
                                     L"Fehler beim Schreiben der Konfigurationsdatei."};
    static const FileTexts kFavorites{
        L"Fehler beim Lesezugriff auf die Favoritendatei.", L"Fehler beim Lesen der Favoritendatei.",
        L"Fehler beim Schreibzugriff auf die Favoritendatei.", L"Fehler beim Schreiben der Favoritendatei."};
    static const FileTexts kFilters{
        L"Fehler beim Lesezugriff auf die Filterdatei.", L"Fehler beim Lesen der Filterdatei.",
        L"Fehler beim Schreibzugriff auf die Filterdatei.", L"Fehler beim Schreiben der Filterdatei."};
    static const FileTexts kArrangement{L"Fehler beim Lesezugriff auf die Fensterkonfigurationsdatei.",
                                        L"Fehler beim Lesen der Fensterkonfigurationsdatei.",
                                        L"Fehler beim Schreibzugriff auf die Fensterkonfigurationsdatei.",
                                        L"Fehler beim Schreiben der Fensterkonfigurationsdatei."};
    static const FileTexts kToolbar{
        L"Fehler beim Lesezugriff auf die Toolbardatei.", L"Fehler beim Lesen der Toolbardatei.",
        L"Fehler beim Schreibzugriff auf die Toolbardatei.", L"Fehler beim Schreiben der Toolbardatei."};
    switch (kind)
    {
    case DataFileKind::Settings: return kSettings;
    case DataFileKind::Favorites: return kFavorites;
    case DataFileKind::Filters: return kFilters;
    case DataFileKind::Arrangement: return kArrangement;
    case DataFileKind::Toolbar: return kToolbar;
    }
    return kSettings;
}
} // namespace

const wchar_t* ReadFailureMessage(DataFileKind kind, ReadStatus status)
{
    switch (status)
    {
    case ReadStatus::CannotOpen: return TextsOf(kind).cannotOpen;
    case ReadStatus::BadContent: return TextsOf(kind).badContent;
    case ReadStatus::Ok:
    case ReadStatus::Missing: break;
    }
    return nullptr;
}

const wchar_t* WriteFailureMessage(DataFileKind kind, WriteStatus status)
{
    switch (status)
    {
    case WriteStatus::CannotCreate: return TextsOf(kind).cannotCreate;
    case WriteStatus::WriteFailed: return TextsOf(kind).writeFailed;
    case WriteStatus::Ok: break;
    }
    return nullptr;
}

} // namespace sv
