#include "PictureDecoder.h"

#include "model/PictureFit.h"
#include "shell/LongPath.h"

#include <shlwapi.h>

namespace sv
{

CGdiPlusSession::CGdiPlusSession()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) m_token = 0;
}

CGdiPlusSession::~CGdiPlusSession()
{
    if (m_token) Gdiplus::GdiplusShutdown(m_token);
}

PictureFile ReadPictureFile(const std::wstring& path, uint64_t limit)
{
    PictureFile file;
    if (path.empty()) return file;
    const UniqueFile handle(::CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle)
    {
        const DWORD error = ::GetLastError();
        file.status = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
                          ? PictureFileStatus::SharingViolation
                          : PictureFileStatus::CannotOpen;
        return file;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.Get(), &size))
    {
        file.status = PictureFileStatus::ReadFailed;
        return file;
    }
    file.size = static_cast<uint64_t>(size.QuadPart);
    if (file.size > limit)
    {
        file.status = PictureFileStatus::TooLarge;
        return file;
    }
    file.bytes.resize(static_cast<size_t>(file.size));
    size_t done = 0;
    while (done < file.bytes.size())
    {
        DWORD read = 0;
        const DWORD ask = static_cast<DWORD>(std::min<size_t>(file.bytes.size() - done, 1u << 24));
        if (!::ReadFile(handle.Get(), file.bytes.data() + done, ask, &read, nullptr) || read == 0) break;
        done += read;
    }
    // A file that shrank while it was read is held as far as it went.
    file.bytes.resize(done);
    file.status = PictureFileStatus::Read;
    return file;
}

DecodedPicture DecodePicture(const uint8_t* bytes, size_t size, int keepLimit)
{
    DecodedPicture picture;
    if (!bytes || size == 0 || size > UINT_MAX) return picture;
    const ComPtr<IStream> stream =
        ComPtr<IStream>::Attach(::SHCreateMemStream(bytes, static_cast<UINT>(size)));
    if (!stream) return picture;
    Gdiplus::Bitmap decoded(stream.Get());
    if (decoded.GetLastStatus() != Gdiplus::Ok) return picture;
    const int width = static_cast<int>(decoded.GetWidth());
    const int height = static_cast<int>(decoded.GetHeight());
    if (width <= 0 || height <= 0) return picture;
    // The stream goes with this function: the kept copy is drawn from it now, once.
    const PictureRect kept = FitPicture(width, height, 0, keepLimit, keepLimit);
    auto copy = std::make_shared<Gdiplus::Bitmap>(kept.width, kept.height, PixelFormat32bppPARGB);
    if (copy->GetLastStatus() != Gdiplus::Ok) return picture;
    {
        Gdiplus::Graphics graphics(copy.get());
        if (graphics.GetLastStatus() != Gdiplus::Ok) return picture;
        graphics.SetInterpolationMode(kept.width == width ? Gdiplus::InterpolationModeNearestNeighbor
                                                          : Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        // Decoding happens here; a damaged picture fails now rather than at the first paint.
        if (graphics.DrawImage(&decoded, 0, 0, kept.width, kept.height) != Gdiplus::Ok) return picture;
    }
    picture.width = width;
    picture.height = height;
    picture.kept = std::move(copy);
    return picture;
}

UniqueBitmap RenderPicture(Gdiplus::Bitmap& picture, int angle, int width, int height, COLORREF background)
{
    if (width <= 0 || height <= 0) return {};
    angle = NormalizedAngle(angle);
    // Drawn unrotated at the rotated size's transpose, then turned: turning the small result is
    // cheaper than turning the kept copy.
    const bool quarter = angle % 180 != 0;
    Gdiplus::Bitmap target(quarter ? height : width, quarter ? width : height, PixelFormat32bppPARGB);
    if (target.GetLastStatus() != Gdiplus::Ok) return {};
    {
        Gdiplus::Graphics graphics(&target);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.Clear(
            Gdiplus::Color(255, GetRValue(background), GetGValue(background), GetBValue(background)));
        // Clamped edges, so the borders do not fade into the background.
        Gdiplus::ImageAttributes attributes;
        attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        const Gdiplus::Rect to(0, 0, static_cast<INT>(target.GetWidth()),
                               static_cast<INT>(target.GetHeight()));
        if (graphics.DrawImage(&picture, to, 0, 0, static_cast<INT>(picture.GetWidth()),
                               static_cast<INT>(picture.GetHeight()), Gdiplus::UnitPixel,
                               &attributes) != Gdiplus::Ok)
            return {};
    }
    const Gdiplus::RotateFlipType turn = angle == 90    ? Gdiplus::Rotate90FlipNone
                                         : angle == 180 ? Gdiplus::Rotate180FlipNone
                                         : angle == 270 ? Gdiplus::Rotate270FlipNone
                                                        : Gdiplus::RotateNoneFlipNone;
    if (turn != Gdiplus::RotateNoneFlipNone && target.RotateFlip(turn) != Gdiplus::Ok) return {};
    HBITMAP bitmap = nullptr;
    if (target.GetHBITMAP(
            Gdiplus::Color(255, GetRValue(background), GetGValue(background), GetBValue(background)),
            &bitmap) != Gdiplus::Ok)
        return {};
    return UniqueBitmap(bitmap);
}

} // namespace sv
