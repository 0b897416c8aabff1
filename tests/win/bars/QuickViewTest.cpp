// The quick view in the real frame: it follows the focused item of the active pane, shows PNG
// and JPEG pictures fitted and rotated, an undecodable file as the empty background, tries a
// locked file again at the next update; and the decoder survives damaged pictures.
#include "bars/QuickView.h"
#include "../MainFrameFixture.h"
#include "../RealInput.h"
#include "app/MainFrame.h"
#include "bars/PictureCtrl.h"
#include "framework/Handles.h"
#include "model/CommandCatalogue.h"
#include "model/PictureFit.h"
#include "shell/Pidl.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace sv;
using namespace sv::test;

namespace
{
std::optional<CLSID> EncoderFor(const wchar_t* mime)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return std::nullopt;
    std::vector<uint8_t> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return std::nullopt;
    for (UINT i = 0; i < count; ++i)
        if (std::wcscmp(encoders[i].MimeType, mime) == 0) return encoders[i].Clsid;
    return std::nullopt;
}

// A picture whose left half is red and right half blue, or all of `fill`.
void SavePicture(const std::wstring& path, const wchar_t* mime, int width, int height,
                 std::optional<Gdiplus::Color> fill = std::nullopt)
{
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        if (fill)
            graphics.Clear(*fill);
        else
        {
            Gdiplus::SolidBrush red(Gdiplus::Color(255, 220, 0, 0));
            Gdiplus::SolidBrush blue(Gdiplus::Color(255, 0, 0, 220));
            graphics.FillRectangle(&red, 0, 0, width / 2, height);
            graphics.FillRectangle(&blue, width / 2, 0, width - width / 2, height);
        }
    }
    const std::optional<CLSID> encoder = EncoderFor(mime);
    ASSERT_TRUE(encoder.has_value());
    ASSERT_EQ(bitmap.Save(path.c_str(), &*encoder, nullptr), Gdiplus::Ok);
}

std::wstring Text(HWND window)
{
    wchar_t text[260] = {};
    ::GetWindowTextW(window, text, 260);
    return text;
}

// What the control shows at a point of its client area.
COLORREF PixelAt(HWND window, int x, int y)
{
    const HDC dc = ::GetDC(window);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return color;
}

bool Reddish(COLORREF c)
{
    return GetRValue(c) > 150 && GetBValue(c) < 80;
}
bool Bluish(COLORREF c)
{
    return GetBValue(c) > 150 && GetRValue(c) < 80;
}

class QuickView : public MainFrameFixture
{
protected:
    // Focuses and selects the item as a click would, then waits for the quick view.
    void Focus(CFolderFrame& pane, const std::wstring& label)
    {
        const HWND list = pane.ListView();
        LVFINDINFOW find{};
        find.flags = LVFI_STRING;
        find.psz = label.c_str();
        const int index = ListView_FindItem(list, -1, &find);
        ASSERT_GE(index, 0) << Narrow(label);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Settle();
    }
    void Settle()
    {
        PumpUntilIdle(120);
        ASSERT_TRUE(PumpUntil([&] { return !Picture().Pending(); }));
        PumpUntilIdle();
    }
    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
    CPictureCtrl& Picture() { return *m_frame.QuickView().Picture(); }
    HWND Bar() { return m_frame.QuickViewBar().Hwnd(); }

    MessageRecorder m_messages;
};
} // namespace

TEST_F(QuickView, FollowsTheFocusedPictureFittedAndRotated)
{
    SavePicture(m_files.File(L"breit.png"), L"image/png", 400, 200);
    SavePicture(m_files.File(L"foto.jpg"), L"image/jpeg", 120, 90, Gdiplus::Color(255, 0, 200, 0));
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);

    // Hidden, the bar follows nothing.
    Focus(*pane, L"breit.png");
    EXPECT_FALSE(Picture().IsLoaded());
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kQuickView, 0), 0);
    PumpUntilIdle();
    ASSERT_TRUE(::IsWindowVisible(Bar()));
    EXPECT_EQ(Text(Bar()), L"Schnellansicht");
    m_frame.UpdateQuickView();
    Settle();
    ASSERT_TRUE(Picture().HasPicture());
    EXPECT_EQ(Text(Bar()), L"Schnellansicht  breit.png");
    EXPECT_EQ(Picture().PictureWidth(), 400);
    EXPECT_EQ(Picture().PictureHeight(), 200);

    // Larger than the bar: shrunk keeping its shape, centred, red left and blue right.
    RECT client{};
    ::GetClientRect(Picture().Hwnd(), &client);
    ASSERT_LT(client.right, 400);
    RECT area = Picture().PictureArea();
    EXPECT_EQ(area.right - area.left, client.right);
    EXPECT_EQ(area.bottom - area.top, client.right * 200 / 400);
    EXPECT_EQ(area.top, (client.bottom - (area.bottom - area.top)) / 2);
    const int middle = (area.top + area.bottom) / 2;
    EXPECT_TRUE(Reddish(PixelAt(Picture().Hwnd(), area.left + 5, middle)));
    EXPECT_TRUE(Bluish(PixelAt(Picture().Hwnd(), area.right - 5, middle)));
    EXPECT_EQ(PixelAt(Picture().Hwnd(), client.right / 2, 2), CPictureCtrl::kBackground);

    // A quarter turn to the right puts the left half on top.
    EXPECT_TRUE(Picture().Rotate(CPictureCtrl::kRotateRight));
    Settle();
    area = Picture().PictureArea();
    EXPECT_GT(area.bottom - area.top, area.right - area.left);
    const int centre = (area.left + area.right) / 2;
    EXPECT_TRUE(Reddish(PixelAt(Picture().Hwnd(), centre, area.top + 5)));
    EXPECT_TRUE(Bluish(PixelAt(Picture().Hwnd(), centre, area.bottom - 5)));
    // The same focus again loads nothing and keeps the turn.
    m_frame.UpdateQuickView();
    EXPECT_FALSE(Picture().Pending());
    EXPECT_EQ(Picture().Angle(), 90);
    for (int turn = 0; turn < 3; ++turn)
        Picture().Rotate(CPictureCtrl::kRotateRight);
    EXPECT_EQ(Picture().Angle(), 0);
    EXPECT_FALSE(Picture().Rotate(CPictureCtrl::kOriginalView));

    // A picture smaller than the bar is drawn at its own size, and the new load starts unturned.
    Picture().Rotate(CPictureCtrl::kRotateLeft);
    Focus(*pane, L"foto.jpg");
    EXPECT_EQ(Text(Bar()), L"Schnellansicht  foto.jpg");
    EXPECT_EQ(Picture().Angle(), 0);
    area = Picture().PictureArea();
    EXPECT_EQ(area.right - area.left, 120);
    EXPECT_EQ(area.bottom - area.top, 90);
    const COLORREF green =
        PixelAt(Picture().Hwnd(), (area.left + area.right) / 2, (area.top + area.bottom) / 2);
    EXPECT_GT(GetGValue(green), 150);
    EXPECT_LT(GetRValue(green), 80);

    // A paint copies the fitted pixels without drawing the picture again; a new size does.
    const int renders = Picture().Renders();
    ::InvalidateRect(Picture().Hwnd(), nullptr, FALSE);
    ::UpdateWindow(Picture().Hwnd());
    Settle();
    EXPECT_EQ(Picture().Renders(), renders);
    ::SetWindowPos(Picture().Hwnd(), nullptr, 0, 0, 60, 60, SWP_NOZORDER | SWP_NOMOVE);
    Settle();
    EXPECT_EQ(Picture().Renders(), renders + 1);
    area = Picture().PictureArea();
    EXPECT_EQ(area.right - area.left, 60);
    EXPECT_EQ(area.bottom - area.top, 45);
}

TEST_F(QuickView, DamagedAndLockedFilesShowTheBackgroundAndLockedOnesAreTriedAgain)
{
    SavePicture(m_files.File(L"gut.png"), L"image/png", 64, 64);
    std::vector<uint8_t> bytes = ReadWholeFile(m_files.File(L"gut.png"));
    ASSERT_GT(bytes.size(), 100u);
    bytes.resize(bytes.size() / 2);
    {
        const UniqueFile damaged(::CreateFileW(m_files.File(L"kaputt.png").c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        ::WriteFile(damaged.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    SavePicture(m_files.File(L"gesperrt.png"), L"image/png", 32, 32);
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kQuickView, 0), 0);

    Focus(*pane, L"gut.png");
    ASSERT_TRUE(Picture().HasPicture());
    // Half a PNG is read, named, and shown as the empty background.
    Focus(*pane, L"kaputt.png");
    EXPECT_TRUE(Picture().IsLoaded());
    EXPECT_FALSE(Picture().HasPicture());
    EXPECT_EQ(Text(Bar()), L"Schnellansicht  kaputt.png");
    RECT client{};
    ::GetClientRect(Picture().Hwnd(), &client);
    EXPECT_EQ(PixelAt(Picture().Hwnd(), client.right / 2, client.bottom / 2), CPictureCtrl::kBackground);

    // Held open by another opener that shares nothing: the caption stays and the path is not
    // remembered, so the next update tries again and succeeds once the file is free.
    {
        const UniqueFile lock(::CreateFileW(m_files.File(L"gesperrt.png").c_str(), GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        Focus(*pane, L"gesperrt.png");
        EXPECT_EQ(Text(Bar()), L"Schnellansicht  kaputt.png");
        EXPECT_TRUE(m_frame.QuickView().LastPath().empty());
    }
    m_frame.UpdateQuickView();
    Settle();
    EXPECT_TRUE(Picture().HasPicture());
    EXPECT_EQ(Text(Bar()), L"Schnellansicht  gesperrt.png");
    EXPECT_TRUE(m_messages.Requests().empty());
}

TEST_F(QuickView, TheTurnMenuOpensAnywhereOnTheBarAndANewFileGreysThePaneAtOnce)
{
    SavePicture(m_files.File(L"rot.png"), L"image/png", 80, 60, Gdiplus::Color(255, 220, 0, 0));
    MakeFile(L"kein-bild.png", 100);
    CFolderFrame* pane = Open(L"");
    ASSERT_NE(pane, nullptr);
    ::SendMessageW(m_frame.Hwnd(), WM_COMMAND, MAKEWPARAM(cmd::kQuickView, 0), 0);
    Focus(*pane, L"rot.png");
    ASSERT_TRUE(Picture().HasPicture());

    // A right click on the bar's caption, not only on the picture, offers the turns.
    RECT window{};
    ::GetWindowRect(Bar(), &window);
    std::vector<POINT> caption;
    // The caption lies along the bar's top or left edge.
    for (int y = window.top; y < window.bottom; y += 2)
        for (int x = window.left; x < window.right; x += 4)
            if ((y < window.top + 40 || x < window.left + 40) &&
                ::SendMessageW(Bar(), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCAPTION)
                caption.push_back({x, y});
    ASSERT_FALSE(caption.empty()) << "the docked bar shows a caption";
    POINT spot = caption[caption.size() / 2];
    ::ScreenToClient(Bar(), &spot);
    ASSERT_TRUE(test::InputScript()
                    .Click(At(Bar(), spot), Button::Right)
                    .ChooseMenuEntry(L"nach rechts drehen")
                    .Run());
    EXPECT_EQ(Picture().Angle(), 90);

    // The next file's load shows the background before its bytes are even read, and then
    // stays so for a file that is no picture. (The focus moves first, so that the pane's own
    // update later asks for the same file.)
    const HWND list = pane->ListView();
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = L"kein-bild.png";
    const int index = ListView_FindItem(list, -1, &find);
    ASSERT_GE(index, 0);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_frame.QuickView().Follow(m_files.File(L"kein-bild.png"));
    RECT client{};
    ::GetClientRect(Picture().Hwnd(), &client);
    EXPECT_EQ(PixelAt(Picture().Hwnd(), client.right / 2, client.bottom / 2), CPictureCtrl::kBackground);
    EXPECT_FALSE(Picture().HasPicture());
    EXPECT_EQ(Picture().Angle(), 0);
    Settle();
    EXPECT_EQ(PixelAt(Picture().Hwnd(), client.right / 2, client.bottom / 2), CPictureCtrl::kBackground);
    EXPECT_TRUE(m_messages.Requests().empty());
}

// Damaged PNG, JPEG and BMP bytes (cut short, bytes changed, headers kept) decode to a picture
// or to nothing, never to a crash.
TEST(PictureDecoder, SurvivesDamagedPictures)
{
    const CGdiPlusSession session;
    ScopedTempFolder folder;
    uint32_t seed = 0x1234567;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    int decoded = 0;
    for (const wchar_t* mime : {L"image/png", L"image/jpeg", L"image/bmp"})
    {
        const std::wstring path = folder.File(L"bild");
        SavePicture(path, mime, 48, 40);
        const std::vector<uint8_t> original = ReadWholeFile(path);
        ASSERT_FALSE(original.empty());
        DecodedPicture whole = DecodePicture(original.data(), original.size(), kPictureKeepLimit);
        ASSERT_TRUE(whole);
        EXPECT_EQ(whole.width, 48);
        for (int round = 0; round < 120; ++round)
        {
            std::vector<uint8_t> bytes = original;
            if (round % 3 == 0) bytes.resize(next() % bytes.size());
            const int changes = 1 + static_cast<int>(next() % 16);
            for (int i = 0; i < changes && !bytes.empty(); ++i)
            {
                // The first bytes stay mostly whole, so that the decoder gets past the signature.
                const size_t at = bytes.size() > 16 ? 8 + next() % (bytes.size() - 8) : next() % bytes.size();
                bytes[at] = static_cast<uint8_t>(next());
            }
            const DecodedPicture picture = DecodePicture(bytes.data(), bytes.size(), kPictureKeepLimit);
            if (!picture) continue;
            ++decoded;
            EXPECT_GT(picture.width, 0);
            EXPECT_GT(picture.height, 0);
            EXPECT_TRUE(RenderPicture(*picture.kept, 90, 20, 30, CPictureCtrl::kBackground));
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_FALSE(DecodePicture(nullptr, 0, kPictureKeepLimit));
}
