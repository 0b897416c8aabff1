#include "FavoritesFile.h"

namespace sv
{

ReadStatus ReadFavoritesFile(const std::filesystem::path& file, CSolObjects& favorites, AnsiDecoder decoder)
{
    favorites = CSolObjects{};
    const ReadStatus status = ReadDataFile(
        file, [&](ArchiveReader& reader) { favorites.Read(reader); }, decoder);
    if (status != ReadStatus::Ok) favorites = CSolObjects{};
    return status;
}

WriteStatus WriteFavoritesFile(const std::filesystem::path& file, const CSolObjects& favorites)
{
    return WriteDataFile(file, [&](ArchiveWriter& writer) { favorites.Write(writer); });
}

} // namespace sv
